// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/DatabaseFiles.h"

#include <algorithm>

#include "common/AtomicFile.h"
#include "common/DirectoryListing.h"
#include "common/Path.h"
#include "model/CParseIt.h"
#include "model/DatabaseName.h"

namespace corvane {

namespace {
constexpr std::string_view kDbSuffix = ".db";
}  // namespace

bool hasDatabaseSuffix(std::string_view file) {
    return file.size() > kDbSuffix.size() && file.ends_with(kDbSuffix);
}

std::vector<std::string> databaseFilesIn(const std::string& dir) {
    std::vector<std::string> names = listRegularFiles(dir).value_or(std::vector<std::string>{});
    std::erase_if(names, [](const std::string& name) { return !hasDatabaseSuffix(name); });
    return names;
}

std::optional<long> backupNumber(std::string_view file, std::string_view name) {
    if (!file.starts_with(name) || file.size() <= name.size() + 1 + kDbSuffix.size())
        return {};
    if (file[name.size()] != '_')
        return {};
    std::string_view digits =
        file.substr(name.size() + 1, file.size() - name.size() - 1 - kDbSuffix.size());
    if (!hasDatabaseSuffix(file))
        return {};
    if (digits.empty() || digits.size() > kBackupNumberDigits)
        return {};
    for (char c : digits)
        if (c < '0' || c > '9')
            return {};
    return parseLeadingInteger(digits);
}

BackupResult backupDatabaseFile(const std::string& dir, const std::string& name,
                                std::string* made) {
    const std::string dbFile = name + std::string(kDbSuffix);
    const std::vector<std::string> databases = databaseFilesIn(dir);
    if (std::find(databases.begin(), databases.end(), dbFile) == databases.end())
        return BackupResult::NoDatabase;
    // Every entry counts for the number, whatever it is, so no existing name is ever chosen.
    long next = 0;
    for (const std::string& file : listDirectory(dir).value_or(std::vector<std::string>{}))
        if (auto n = backupNumber(file, name); n && *n >= next)
            next = *n + 1;
    // A longer number would make a file that no count, delete or restore takes for a backup.
    if (next > kLargestBackupNumber)
        return BackupResult::Failed;
    // Written beside its final name and only then given it, never over an existing file, so a
    // failure at any point leaves no half database for a later restore to bring back.
    const std::string target = joinPath(dir, name + "_" + std::to_string(next) + ".db");
    if (!copyRegularFile(joinPath(dir, dbFile), target, AtomicFileWriter::Publish::CreateNew))
        return BackupResult::Failed;
    if (made)
        *made = target;
    return BackupResult::Done;
}

}  // namespace corvane
