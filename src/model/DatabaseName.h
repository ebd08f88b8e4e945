// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// Backups are numbered name_0.db to name_999999999.db; a longer number makes no backup.
inline constexpr size_t kBackupNumberDigits = 9;
inline constexpr long kLargestBackupNumber = 999'999'999;

// The file of the database named name in directory: name + ".db", in exactly those letters.
std::string databaseFilePath(const std::string& directory, const std::string& name);

// Trims blanks at both ends; a name that could not be stored or listed gives nothing.
std::optional<std::string> validDatabaseName(const std::string& typed);

// The one rule for a name that must name a database of the base directory (a command's
// --database, a dialog's choice): exactly one of the names listed there. A name holding a
// separator or "..", or differing in letter case, names no listed database, so it never reaches
// a file outside the base directory or one the list does not show.
bool isListedDatabase(const std::vector<std::string>& listed, const std::string& name);

}  // namespace corvane
