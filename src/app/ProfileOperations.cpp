// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProfileOperations.h"

#include <unordered_map>

#include "common/Prompter.h"
#include "common/TextSource.h"
#include "media/Sha1Cache.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "model/ProfileFile.h"
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
        case StoreError::Exists:
            return OperationResult::ProfileNameTaken;
        case StoreError::TargetFileIo:
            return OperationResult::TargetFileError;
        case StoreError::SourceFileIo:
            return OperationResult::SourceFileError;
        case StoreError::Busy:
            return OperationResult::Busy;
        case StoreError::ChangedElsewhere:
            return OperationResult::ChangedElsewhere;
    }
    return OperationResult::Done;
}

// With the lock held: whether the profiles the user acted on are in the file as listed.
OperationResult listedResult(const std::string& path, const std::vector<Game>& listed) {
    const std::optional<bool> asListed = DatabaseStore::holdsAsListed(path, listed);
    if (!asListed)
        return OperationResult::FileError;
    return *asListed ? OperationResult::Done : OperationResult::ChangedElsewhere;
}

// A move's answer for one profile; Yes to all and No to all answer the ones after it unasked.
SaveResult batchAnswer(Prompter& prompter, const std::string& question, SaveResult& toAll) {
    if (toAll == SaveResult::YesToAll || toAll == SaveResult::NoToAll)
        return toAll;
    switch (prompter.multiConfirm(question)) {
        case MultiAnswer::Yes:
            return SaveResult::Written;
        case MultiAnswer::YesToAll:
            return toAll = SaveResult::YesToAll;
        case MultiAnswer::No:
            return SaveResult::No;
        case MultiAnswer::NoToAll:
            return toAll = SaveResult::NoToAll;
        case MultiAnswer::Cancel:
            break;
    }
    return SaveResult::Cancel;
}

}  // namespace

ProfileOperations::ProfileOperations(DatabaseStore& store, Favorites& favorites, Sha1Cache& cache,
                                     Prompter& prompter, const TextSource& texts)
    : store_(store), favorites_(favorites), cache_(cache), prompter_(prompter), texts_(texts) {}

std::string ProfileOperations::replaceQuestion(const std::string& name) const {
    return "\"" + name + "\"" + texts_.text("M_ERR_NAME_IN_DB_EXIST");
}

OperationResult ProfileOperations::removeProfiles(const std::string& database,
                                                  const std::vector<Game>& listed) {
    if (listed.empty())
        return OperationResult::NothingDone;
    const DirectoryLock lock = store_.lockDirectory();
    if (!lock.held())
        return lock.busy() ? OperationResult::Busy : OperationResult::FileError;
    const std::string path = store_.databasePath(database);
    if (!ProfileFile::settle(path))
        return OperationResult::FileError;
    if (const OperationResult found = listedResult(path, listed); found != OperationResult::Done)
        return found;
    std::vector<std::string> names;
    for (const Game& game : listed)
        names.push_back(game.name);
    if (!store_.removeProfiles(path, names))
        return OperationResult::FileError;
    for (const std::string& name : names)
        cache_.profileRemoved(name, database);
    return favoritesResult(favorites_.removeProfiles(names, database));
}

OperationResult ProfileOperations::moveProfiles(const std::vector<Game>& profiles,
                                                const std::string& target) {
    const std::string source = store_.currentDatabaseName();
    SaveResult toAll = SaveResult::NotWritten;
    const MoveOutcome outcome = store_.moveProfiles(profiles, target, [&](const std::string& name) {
        return batchAnswer(prompter_, replaceQuestion(name), toAll);
    });
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
                                               const Game* edited) {
    // An edited profile and its favorite change together. A new one may ask whether to replace
    // a profile, and no other writer should wait on that answer: the store locks around its
    // own steps.
    const std::string path = store_.databasePath(database);
    std::optional<DirectoryLock> lock;
    std::optional<std::string> editingName;
    if (edited) {
        lock.emplace(store_.directory(), store_.lockWait());
        if (!lock->held())
            return lock->busy() ? OperationResult::Busy : OperationResult::FileError;
        if (!ProfileFile::settle(path))
            return OperationResult::FileError;
        // Saving the edit of an older profile would undo what the other program wrote.
        if (const OperationResult found = listedResult(path, {*edited});
            found != OperationResult::Done)
            return found;
        editingName = edited->name;
    }
    SaveOutcome saved = store_.saveProfile(game, path, editingName);
    // Only a new profile finds its name taken this way, and no lock is held for the question.
    if (saved.error == StoreError::Exists) {
        if (!prompter_.confirmDestructive(replaceQuestion(game.name)))
            return OperationResult::NothingDone;
        saved = store_.saveProfile(game, path, std::nullopt, OnExisting::Replace);
    }
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
