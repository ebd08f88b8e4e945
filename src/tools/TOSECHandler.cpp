// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/TOSECHandler.h"

#include <algorithm>
#include <array>
#include <climits>

#include "model/CParseIt.h"
#include "model/Game.h"
#include "model/StoredField.h"
#include "model/ValueLists.h"

namespace corvane {

namespace {

// A leading "demo" group shifts the three field groups by one, so four groups are read.
constexpr size_t kMaxGroups = 4;
constexpr size_t kMaxGroupLength = 255;
constexpr size_t kMaxCompanyLength = 64;
constexpr size_t kMaxCountryLength = 2;
constexpr int kFirstYear = 1982;

std::string textOfGroup(std::string_view group, size_t maxLength) {
    if (group.empty() || group.size() > maxLength || !fitsDatabaseLine(group))
        return {};
    return std::string(group);
}

}  // namespace

TOSECHandler::TOSECHandler() : TOSECHandler(currentCalendarYear()) {}

TOSECHandler::TOSECHandler(int currentYear) : latestYear_(latestAcceptedYear(currentYear)) {}

std::optional<TosecFields> TOSECHandler::Parse(std::string_view name) const {
    std::array<std::string_view, kMaxGroups> groups{};
    size_t found = 0;
    size_t open = std::string_view::npos;
    for (size_t i = 0; i < name.size() && found < kMaxGroups; ++i) {
        if (name[i] == '(') {
            if (open != std::string_view::npos)
                return std::nullopt;
            open = i;
        } else if (name[i] == ')') {
            if (open == std::string_view::npos)
                return std::nullopt;
            groups[found++] = name.substr(open + 1, i - open - 1);
            open = std::string_view::npos;
        }
    }
    if (found == 0)
        return std::nullopt;
    for (std::string_view group : groups)
        if (group.size() > kMaxGroupLength)
            return std::nullopt;

    const size_t first = groups[0] == "demo" ? 1 : 0;
    TosecFields fields;
    const long year = parseLeadingInteger(groups[first]);
    fields.year = static_cast<int>(std::clamp<long>(year, INT_MIN, INT_MAX));
    fields.company = textOfGroup(groups[first + 1], kMaxCompanyLength);
    fields.country = textOfGroup(groups[first + 2], kMaxCountryLength);
    return fields;
}

bool TOSECHandler::Apply(Game& game, std::string_view name) const {
    const std::optional<TosecFields> fields = Parse(name);
    if (!fields)
        return false;
    bool set = false;
    if (fields->year >= kFirstYear && fields->year <= latestYear_) {
        game.year = std::to_string(fields->year);
        set = true;
    }
    if (fields->company != "-") {
        game.company = fields->company;
        set = true;
    }
    if (fields->country.size() == kMaxCountryLength) {
        game.country = fields->country;
        set = true;
    }
    if (set)
        game.basicDataSpecified = "T";
    return set;
}

}  // namespace corvane
