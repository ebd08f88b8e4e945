// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

enum class BackupResult {
    NoDatabase,  // nothing to back up
    Done,
    Failed,  // no backup file was left behind
};

// Every operation opens name + ".db", so only that exact extension makes a database file: where
// letter case matters, Games.DB is not the file a save or a delete of Games would touch.
bool hasDatabaseSuffix(std::string_view file);

// Regular files of dir with the database extension, in the shared listing order. Folders, pipes
// and devices are no databases: a reader would fail or wait forever on them.
std::vector<std::string> databaseFilesIn(const std::string& dir);

// The n of name_n.db, or nothing for any other file name.
std::optional<long> backupNumber(std::string_view file, std::string_view name);

// Copies the database to its next numbered backup name_N.db; the caller holds the base
// directory's lock. The name is the database's, never its file name. made, when given, receives
// the backup's path, so that a caller whose write then fails can take the backup away again.
BackupResult backupDatabaseFile(const std::string& dir, const std::string& name,
                                std::string* made = nullptr);

}  // namespace corvane
