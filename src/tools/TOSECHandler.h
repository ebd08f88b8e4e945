// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

class Game;

// What a TOSEC-style name tells about its program.
struct TosecFields {
    int year = 0;         // 0 when the name holds none
    std::string company;  // at most 64 characters, empty when absent
    std::string country;  // at most 2 characters, empty when absent

    bool operator==(const TosecFields& other) const = default;
};

// Reads year, company and country from names of the shape "Title (1986)(Maker)(JP).rom".
// Holds no state besides the latest accepted year, so one handler serves several threads.
class TOSECHandler {
public:
    // The latest accepted year is the current calendar year, never past 2020.
    TOSECHandler();
    // The same rule for a given calendar year.
    explicit TOSECHandler(int currentYear);

    int latestYear() const { return latestYear_; }

    // Nothing when the name holds no well-formed bracket group, has a stray "(" or ")", or has
    // a group longer than 255 characters.
    std::optional<TosecFields> Parse(std::string_view name) const;
    // Fills year, company and country of the profile from the name and marks them as the
    // profile's own. Returns whether a field was set; an unreadable name changes nothing.
    bool Apply(Game& game, std::string_view name) const;

private:
    int latestYear_;
};

}  // namespace corvane
