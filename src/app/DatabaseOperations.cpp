// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DatabaseOperations.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "common/AsciiCase.h"
#include "media/Sha1Cache.h"
#include "model/DatabaseName.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "selection/Favorites.h"

namespace corvane {

DatabaseOperations::DatabaseOperations(DatabaseStore& store, Favorites& favorites, Sha1Cache& cache)
    : store_(store), favorites_(favorites), cache_(cache) {}

OperationResult DatabaseOperations::renameDatabase(const std::string& name,
                                                   const std::string& typedNewName) {
    // Its own name is no change, even where that name would not be accepted for a new one.
    if (trimBlanks(typedNewName) == name)
        return OperationResult::NothingDone;
    const std::optional<std::string> newName = validDatabaseName(typedNewName);
    if (!newName)
        return OperationResult::InvalidName;
    const DirectoryLock lock = store_.lockDirectory();
    if (!lock.held())
        return lock.busy() ? OperationResult::Busy : OperationResult::RenameFailed;
    if (store_.renameDatabaseFiles(name, *newName) != FileResult::Done)
        return OperationResult::RenameFailed;
    cache_.renameDatabase(name, *newName);
    return favoritesResult(favorites_.renameDatabase(name, *newName));
}

OperationResult DatabaseOperations::deleteDatabase(const std::string& name, bool withDatabase) {
    const DirectoryLock lock = store_.lockDirectory();
    if (!lock.held())
        return lock.busy() ? OperationResult::Busy : OperationResult::DeleteFailed;
    if (store_.deleteDatabaseFiles(name, withDatabase) != FileResult::Done)
        return OperationResult::DeleteFailed;
    cache_.dropDatabase(name);
    if (!withDatabase)
        return OperationResult::Done;
    return favoritesResult(favorites_.removeDatabase(name));
}

OperationResult DatabaseOperations::restoreDatabase(const std::string& name) {
    const DirectoryLock lock = store_.lockDirectory();
    if (!lock.held())
        return lock.busy() ? OperationResult::Busy : OperationResult::RestoreFailed;
    if (store_.restoreDatabase(name) != FileResult::Done)
        return OperationResult::RestoreFailed;
    // The backup's profiles may carry the same names with other media.
    cache_.dropDatabase(name);
    return OperationResult::Done;
}

namespace {

struct MediumKey {
    std::string file;
    std::string entry;
    bool operator==(const MediumKey&) const = default;
};

MediumKey mediumOf(const Game& game) {
    MainMediumInfo medium = game.MainMedium();
    return {std::move(medium.file), std::move(medium.entry)};
}

}  // namespace

OperationResult DatabaseOperations::overwriteDatabase(const std::string& name,
                                                      const std::vector<Game>& profiles,
                                                      OverwriteMode mode, bool backup) {
    // A listed database is taken by its name as it stands; a new name becomes a file name and a
    // listed database, so the rules of a new database hold.
    const std::vector<std::string> listed = store_.databaseNames();
    if (!isListedDatabase(listed, name) && validDatabaseName(name) != name)
        return OperationResult::InvalidName;
    // The old profiles are read and replaced with no other writer in between.
    const DirectoryLock lock = store_.lockDirectory();
    if (!lock.held())
        return lock.busy() ? OperationResult::Busy : OperationResult::FileError;
    if (backup && store_.backupDatabase(name) == BackupResult::Failed)
        return OperationResult::BackupFailed;
    std::map<std::string, MediumKey, std::less<>> before;
    if (mode == OverwriteMode::Update) {
        // Without the old profiles the cached SHA-1s could not be kept in step.
        std::vector<Game> old;
        if (DatabaseStore::readProfiles(store_.databasePath(name), old) == ReadResult::Unreadable)
            return OperationResult::FileError;
        for (const Game& game : old)
            before.try_emplace(game.name, mediumOf(game));
    }
    if (!store_.writeProfiles(name, profiles))
        return OperationResult::FileError;

    if (mode == OverwriteMode::Replace) {
        cache_.dropDatabase(name);
        return favoritesResult(favorites_.removeDatabase(name));
    }
    std::set<std::string, std::less<>> remaining;
    for (const Game& game : profiles) {
        remaining.insert(game.name);
        const auto old = before.find(game.name);
        if (old == before.end() || old->second != mediumOf(game))
            cache_.profileRemoved(game.name, name);
    }
    std::vector<std::string> gone;
    for (const auto& [oldName, medium] : before)
        if (!remaining.contains(oldName)) {
            cache_.profileRemoved(oldName, name);
            gone.push_back(oldName);
        }
    return favoritesResult(favorites_.removeProfiles(gone, name));
}

}  // namespace corvane
