// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/DatabaseCounts.h"

#include "model/DatabaseStore.h"

namespace corvane {

int DatabaseCounts::indexOf(const std::string& name) const {
    for (size_t i = 0; i < databases.size(); ++i)
        if (databases[i].name == name)
            return static_cast<int>(i);
    return -1;
}

DatabaseCounts countDatabases(DatabaseStore& store) {
    DatabaseCounts counts;
    for (const std::string& file : store.databaseList()) {
        DatabaseCount row;
        row.name = DatabaseStore::databaseNameOfPath(file);
        row.profiles = store.countProfiles(file);
        row.backups = store.countBackups(row.name);
        counts.totalProfiles += row.profiles;
        counts.totalBackups += row.backups;
        counts.databases.push_back(std::move(row));
    }
    return counts;
}

}  // namespace corvane
