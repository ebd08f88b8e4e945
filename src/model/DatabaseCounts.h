// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace corvane {

class DatabaseStore;

struct DatabaseCount {
    std::string name;
    int profiles = 0;
    int backups = 0;
};

// Every database with its profiles and backups, in the shared listing order, and the totals.
struct DatabaseCounts {
    std::vector<DatabaseCount> databases;
    int totalProfiles = 0;
    int totalBackups = 0;

    int totalDatabases() const { return static_cast<int>(databases.size()); }
    // The position of the named database, or -1.
    int indexOf(const std::string& name) const;
};

DatabaseCounts countDatabases(DatabaseStore& store);

}  // namespace corvane
