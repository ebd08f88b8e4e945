// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/ProfileFilter.h"

#include <algorithm>

#include "common/AsciiCase.h"
#include "emulator/SoftwareIndex.h"
#include "media/Sha1Cache.h"
#include "model/Game.h"
#include "model/ValueLists.h"

namespace corvane {

namespace {

// Position of the value in the list; -1 for All and for anything the list does not hold.
int indexIn(const std::vector<std::string>& list, const std::string& value) {
    const auto it = std::find(list.begin(), list.end(), value);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

bool isSet(const std::string& value) {
    return value != kSelectionAll;
}

}  // namespace

ProfileFilter::ProfileFilter(const FilterState& state, const TextSource& texts,
                             bool softwarePresent, Sha1Cache& cache, std::string database,
                             SoftwareLookup lookup)
    : state_(state),
      cache_(cache),
      database_(std::move(database)),
      lookup_(std::move(lookup)),
      checkSoftwareData_(softwarePresent && state.usesSoftwareData()),
      countryText_(filterValueText(FilterCriterion::Country, state.country, texts)),
      generationIndex_(indexIn(generationNames(), state.generation)),
      soundIndex_(indexIn(soundNames(), state.sound)) {}

ProfileFilter::SoftwareLookup ProfileFilter::lookupIn(const SoftwareIndex* index) {
    return [index](std::string_view sha1) -> const SoftwareSummary* {
        return index ? index->find(sha1) : nullptr;
    };
}

bool ProfileFilter::accepts(const Game& game) {
    if (!mediumMatches(game))
        return false;
    if (checkSoftwareData_ && !softwareDataMatches(game))
        return false;
    if (isSet(state_.generation) && (generationIndex_ < 0 || !game.generation[generationIndex_]))
        return false;
    if (isSet(state_.sound) && (soundIndex_ < 0 || !game.sound[soundIndex_]))
        return false;
    if (isSet(state_.genreName)) {
        const int code = state_.genreCode;
        return (game.genre1 != 0 && game.genre1 == code) ||
               (game.genre2 != 0 && game.genre2 == code);
    }
    return true;
}

bool ProfileFilter::mediumMatches(const Game& game) const {
    const std::string& medium = state_.medium;
    if (!isSet(medium))
        return true;
    if (medium == "MEDIUM_ROM")
        return game.HasRom();
    if (medium == "MEDIUM_DISK")
        return game.IsDiskProfile();
    if (medium == "MEDIUM_TAPE")
        return game.HasTape();
    if (medium == "MEDIUM_HARDDISK")
        return game.HasHardDisk();
    return false;
}

bool ProfileFilter::softwareDataMatches(const Game& game) {
    if (game.basicDataSpecified == "T")
        return dataMatches(game.company, game.year, game.country, game.system, true);
    if (!cache_.contains(game.name, database_) && !game.MainMedium().file.empty())
        ++mediaHashed_;
    const std::string sha1 = cache_.get(game, database_);
    const SoftwareSummary* entry = sha1.empty() || !lookup_ ? nullptr : lookup_(sha1);
    if (!entry)
        return false;
    return dataMatches(entry->company, entry->year, entry->country, entry->system, false);
}

bool ProfileFilter::dataMatches(const std::string& company, const std::string& year,
                                const std::string& country, const std::string& system,
                                bool ownData) const {
    if (isSet(state_.company) && !equalsIgnoreCase(company, state_.company))
        return false;
    if (isSet(state_.year) && !yearMatches(year))
        return false;
    if (isSet(state_.country) && !equalsIgnoreCase(country, state_.country)) {
        // A user may have typed the country's name instead of its code.
        if (!ownData || !equalsIgnoreCase(country, countryText_))
            return false;
    }
    if (isSet(state_.system) && !equalsIgnoreCase(system, state_.system))
        return false;
    return true;
}

bool ProfileFilter::yearMatches(const std::string& year) const {
    // Byte-wise, so an empty year is earlier than every year.
    const int order = year.compare(state_.year);
    if (order < 0)
        return state_.yearComparison == kYearEqualOrLess;
    if (order > 0)
        return state_.yearComparison == kYearEqualOrGreater;
    return true;
}

}  // namespace corvane
