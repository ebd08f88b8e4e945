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

// What a search found: hits only when it read every database to its end.
struct SearchResult {
    std::vector<SearchHit> hits;
    bool stopped = false;    // the user cancelled
    std::string unreadable;  // a database there that could not be read; empty when none
};

// One search as values, so that it can run on any thread: the text and the databases to read.
struct SearchPlan {
    std::string text;
    std::string directory;
    std::vector<std::string> files;  // database file names, in list order
};

// Finds profiles by part of their name in every launcher database, whatever the filter, and
// remembers the last text searched for this run.
class ProfileSearch {
public:
    explicit ProfileSearch(DatabaseStore& store) : store_(store) {}

    // Trimmed; empty until the first search.
    const std::string& lastText() const { return lastText_; }

    // On the owner's thread: trims blanks off both ends of the typed text and remembers it;
    // nothing to search when that leaves it empty.
    std::optional<SearchPlan> plan(std::string_view typed);

    // On any thread, touching only the databases' files: the profiles whose names hold the text,
    // ignoring letter case (beyond ASCII too, names in UTF-8 or Windows-1252 alike), sorted by
    // name ignoring case (databases in list order for equal names). Each database is reported
    // as the status and the profiles read every 20. No hits when the user cancels or a database
    // there could not be read; a database no longer there is passed over.
    static SearchResult run(const SearchPlan& plan, Progress& progress);

    // Both steps at once; nothing when there is nothing to search.
    std::optional<SearchResult> find(std::string_view typed, Progress& progress);
    std::optional<SearchResult> find(std::string_view typed) {
        NoProgress none;
        return find(typed, none);
    }

private:
    DatabaseStore& store_;
    std::string lastText_;
};

}  // namespace corvane
