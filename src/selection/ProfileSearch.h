// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Progress.h"

namespace corvane {

class DatabaseStore;

struct SearchHit {
    std::string profile;   // the name as stored
    std::string database;  // without ".db"

    bool operator==(const SearchHit&) const = default;
};

// Finds profiles by part of their name in every launcher database, whatever the filter, and
// remembers the last text searched for this run.
class ProfileSearch {
public:
    explicit ProfileSearch(DatabaseStore& store) : store_(store) {}

    // Trimmed; empty until the first search.
    const std::string& lastText() const { return lastText_; }

    // Trims blanks off both ends of the typed text and remembers it; nothing when that leaves it
    // empty. Otherwise the profiles whose names hold the text, ignoring letter case (beyond ASCII
    // too, names in UTF-8 or Windows-1252 alike), sorted by name ignoring case (databases in list
    // order for equal names). Progress is told every 20 profiles; a search runs to its end.
    std::optional<std::vector<SearchHit>> find(std::string_view typed, Progress& progress);
    std::optional<std::vector<SearchHit>> find(std::string_view typed) {
        NoProgress none;
        return find(typed, none);
    }

private:
    DatabaseStore& store_;
    std::string lastText_;
};

}  // namespace corvane
