// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProfileOperations.h"

#include <unordered_map>

#include "media/Sha1Cache.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "selection/Favorites.h"

namespace corvane {

namespace {

OperationResult storeResult(StoreError error) {
    switch (error) {
        case StoreError::None:
            break;
        case StoreError::FileIo:
            return OperationResult::FileError;
        case StoreError::NameTaken:
            return OperationResult::ProfileNameTaken;
        case StoreError::TargetFileIo:
            return OperationResult::TargetFileError;
        case StoreError::SourceFileIo:
            return OperationResult::SourceFileError;
        case StoreError::Busy:
            return OperationResult::Busy;
    }
    return OperationResult::Done;
}

}  // namespace

ProfileOperations::ProfileOperations(DatabaseStore& store, Favorites& favorites, Sha1Cache& cache)
    : store_(store), favorites_(favorites), cache_(cache) {}

OperationResult ProfileOperations::removeProfiles(const std::string& database,
                                                  const std::vector<std::string>& names) {
    if (names.empty())
        return OperationResult::NothingDone;
    const DirectoryLock lock = store_.lockDirectory();
    if (!lock.held())
        return lock.busy() ? OperationResult::Busy : OperationResult::FileError;
    if (!store_.removeProfiles(store_.databasePath(database), names))
        return OperationResult::FileError;
    for (const std::string& name : names)
        cache_.profileRemoved(name, database);
    return favoritesResult(favorites_.removeProfiles(names, database));
}

OperationResult ProfileOperations::moveProfiles(const std::vector<Game>& profiles,
                                                const std::string& target) {
    const std::string source = store_.currentDatabaseName();
    const MoveOutcome outcome = store_.moveProfiles(profiles, target);
    // A selection names each profile once.
    std::unordered_map<std::string_view, const Game*> byName;
    for (const Game& game : profiles)
        byName.try_emplace(game.name, &game);
    for (const std::string& name : outcome.written)
        cache_.profileWritten(*byName.at(name), target);
    for (const std::string& name : outcome.moved)
        cache_.profileRemoved(name, source);

    // The move asks questions, so no lock is held across it: the favorites may find another
    // writer in the way after the profiles have moved.
    OperationResult result = OperationResult::NothingDone;
    if (!outcome.moved.empty()) {
        const FavoriteResult followed = favorites_.moveProfiles(outcome.moved, source, target);
        result = followed == FavoriteResult::Busy ? OperationResult::FavoritesNotWritten
                                                  : favoritesResult(followed);
    }
    // One result is told: a database that could not be written matters more than favorites.
    if (outcome.error != StoreError::None)
        result = storeResult(outcome.error);
    return result;
}

OperationResult ProfileOperations::saveProfile(const Game& game, const std::string& database,
                                               const std::optional<std::string>& editingName) {
    // An edited profile and its favorite change together. A new one may ask whether to replace
    // a profile, and no other writer should wait on that answer: the store locks around its
    // own steps.
    std::optional<DirectoryLock> lock;
    if (editingName) {
        lock.emplace(store_.directory(), store_.lockWait());
        if (!lock->held())
            return lock->busy() ? OperationResult::Busy : OperationResult::FileError;
    }
    const SaveOutcome saved = store_.saveProfile(game, store_.databasePath(database), editingName,
                                                 false, AnswerToAll::None);
    if (!wasWritten(saved.result))
        return saved.error == StoreError::None ? OperationResult::NothingDone
                                               : storeResult(saved.error);
    if (!editingName) {
        // It may have replaced a profile of that name, medium and all.
        cache_.profileRemoved(game.name, database);
        return OperationResult::Done;
    }
    cache_.profileRemoved(*editingName, database);
    cache_.profileWritten(game, database);
    // Renamed only now: a profile that could not be stored keeps its favorite.
    return favoritesResult(favorites_.renameProfile(*editingName, game.name, database));
}

}  // namespace corvane
