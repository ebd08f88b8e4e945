// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/DatabaseName.h"

#include <algorithm>
#include <string_view>

#include "common/AsciiCase.h"
#include "common/Path.h"
#include "model/StoredField.h"

namespace corvane {

namespace {

// The longest file name the common file systems take, in bytes.
constexpr size_t kLongestFileName = 255;
// The longest file a database ever makes is the temporary file of its last backup.
constexpr size_t kLongestSuffix =
    std::string_view("_").size() + kBackupNumberDigits + std::string_view(".db.tmp").size();

bool endsWithDatabaseExtension(std::string_view name) {
    constexpr std::string_view kExtension = ".db";
    return name.size() >= kExtension.size() &&
           equalsIgnoreCase(name.substr(name.size() - kExtension.size()), kExtension);
}

}  // namespace

std::string databaseFilePath(const std::string& directory, const std::string& name) {
    return joinPath(directory, name + ".db");
}

std::optional<std::string> validDatabaseName(const std::string& typed) {
    const std::string name(trimBlanks(typed));
    // Separators would leave the folder, what a stored field may not hold would break the files
    // that name databases, and "_" marks backups, so such a database would vanish from the list.
    if (name.empty() || !fitsDatabaseLine(name) ||
        name.find_first_of("/\\_") != std::string::npos || name == "." || name == "..")
        return std::nullopt;
    // "Demo.db" would be the file Demo.db.db, easily taken for the database Demo.
    if (endsWithDatabaseExtension(name))
        return std::nullopt;
    // Checked now, not when the first rewrite or backup fails with a file name too long.
    if (name.size() + kLongestSuffix > kLongestFileName)
        return std::nullopt;
    return name;
}

bool isListedDatabase(const std::vector<std::string>& listed, const std::string& name) {
    return std::find(listed.begin(), listed.end(), name) != listed.end();
}

}  // namespace corvane
