// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "selection/FilterState.h"

namespace corvane {

class Game;
class Sha1Cache;
class SoftwareIndex;
class TextSource;
struct SoftwareSummary;

// The filter test for one load of one database. Profiles without data of their own are matched
// against the emulator's software entry of their main medium, whose SHA-1 comes from the run-long
// cache, so reloading never hashes a medium twice.
class ProfileFilter {
public:
    // The software entry of a lower-case SHA-1 text; null when there is none.
    using SoftwareLookup = std::function<const SoftwareSummary*(std::string_view sha1)>;

    // softwarePresent: a software database is there to be read, the primary emulator's or
    // openMSX's (checked once per load). Without one company, year, country and system let every
    // profile pass.
    ProfileFilter(const FilterState& state, const TextSource& texts, bool softwarePresent,
                  Sha1Cache& cache, std::string database, SoftwareLookup lookup);

    // A lookup over the index; a null index knows no software.
    static SoftwareLookup lookupIn(const SoftwareIndex* index);

    bool accepts(const Game& game);
    // Media this filter had to read for their SHA-1 because the cache did not hold it.
    int mediaHashed() const { return mediaHashed_; }

private:
    bool mediumMatches(const Game& game) const;
    bool softwareDataMatches(const Game& game);
    bool dataMatches(const std::string& company, const std::string& year,
                     const std::string& country, const std::string& system, bool ownData) const;
    bool yearMatches(const std::string& year) const;

    FilterState state_;
    Sha1Cache& cache_;
    std::string database_;
    SoftwareLookup lookup_;
    bool checkSoftwareData_;
    std::string countryText_;
    int generationIndex_ = -1;
    int soundIndex_ = -1;
    int mediaHashed_ = 0;
};

}  // namespace corvane
