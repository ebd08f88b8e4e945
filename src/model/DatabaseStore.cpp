// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/DatabaseStore.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <unordered_set>

#include "common/AtomicFile.h"
#include "common/DirectoryListing.h"
#include "common/Path.h"
#include "model/CParseIt.h"
#include "model/DatabaseFiles.h"
#include "model/DatabaseName.h"
#include "model/Game.h"
#include "model/ProfileFile.h"

namespace corvane {

namespace {

constexpr std::string_view kDbSuffix = ".db";

StoreError lockError(const DirectoryLock& lock) {
    return lock.busy() ? StoreError::Busy : StoreError::FileIo;
}

}  // namespace

DatabaseStore::DatabaseStore(std::string directory) : dir_(std::move(directory)) {}

std::string DatabaseStore::databasePath(const std::string& name) const {
    return databaseFilePath(dir_, name);
}

std::string DatabaseStore::databaseNameOfPath(const std::string& path) {
    std::string_view file = lastComponent(path);
    const size_t dot = file.rfind('.');
    return std::string(dot == std::string_view::npos ? file : file.substr(0, dot));
}

std::string DatabaseStore::currentDatabasePath() const {
    return currentName_.empty() ? std::string{} : databasePath(currentName_);
}

const std::vector<std::string>& DatabaseStore::databaseList() {
    if (!list_) {
        // Backups carry "_" in their names; databases never do.
        std::vector<std::string> files = databaseFilesIn(dir_);
        std::erase_if(files, [](const std::string& f) { return f.find('_') != std::string::npos; });
        list_ = std::move(files);
    }
    return *list_;
}

std::vector<std::string> DatabaseStore::databaseNames() {
    std::vector<std::string> names;
    for (const std::string& file : databaseList())
        names.push_back(databaseNameOfPath(file));
    return names;
}

namespace {
int countLines(const std::string& path) {
    int count = 0;
    forEachProfile(path, [&count](const ProfileLine&) {
        ++count;
        return true;
    });
    return count;
}
}  // namespace

int DatabaseStore::countProfiles(const std::string& fileName) const {
    return countLines(joinPath(dir_, fileName));
}

int DatabaseStore::countAllProfiles() {
    int total = 0;
    for (const std::string& file : databaseList())
        total += countProfiles(file);
    return total;
}

std::vector<Game> DatabaseStore::readProfiles(const std::string& path) {
    std::vector<Game> games;
    readProfiles(path, games);
    return games;
}

ReadResult DatabaseStore::readProfiles(const std::string& path, std::vector<Game>& profiles) {
    profiles.clear();
    const ReadResult read = forEachProfile(path, [&profiles](const ProfileLine& line) {
        profiles.emplace_back().FromLine(line.bytes);
        return true;
    });
    if (read != ReadResult::Done)
        profiles.clear();
    return read;
}

namespace {
// The listed profiles that the database does not hold just so; none when it cannot be read.
std::optional<std::map<std::string_view, const Game*, std::less<>>> changedOf(
    const std::string& path, const std::vector<Game>& listed) {
    std::map<std::string_view, const Game*, std::less<>> waiting;
    for (const Game& game : listed)
        waiting.emplace(game.name, &game);
    const ReadResult read = forEachProfile(path, [&](const ProfileLine& line) {
        const auto found = waiting.find(line.name());
        if (found != waiting.end() && line.profile() == *found->second)
            waiting.erase(found);
        return !waiting.empty();
    });
    if (read == ReadResult::Unreadable || read == ReadResult::Stopped)
        return std::nullopt;
    return waiting;
}
}  // namespace

std::optional<bool> DatabaseStore::holdsAsListed(const std::string& path,
                                                 const std::vector<Game>& listed) {
    const auto changed = changedOf(path, listed);
    if (!changed)
        return std::nullopt;
    return changed->empty();
}

CreateResult DatabaseStore::createEmptyDatabase(const std::string& name) {
    const DirectoryLock lock = lockDirectory();
    if (!lock.held())
        return CreateResult::Failed;
    const std::string file = name + std::string(kDbSuffix);
    databaseList();
    std::vector<std::string>& list = *list_;
    if (std::find(list.begin(), list.end(), file) != list.end())
        return CreateResult::AlreadyListed;
    // Creates an empty file and leaves an existing unlisted one as it is.
    if (!appendLines(joinPath(dir_, file), {}))
        return CreateResult::Failed;
    list.push_back(file);
    return CreateResult::Created;
}

bool DatabaseStore::rewriteWithout(const std::string& path, const std::vector<std::string>& names,
                                   const std::string* appendedLine) {
    if (!ProfileFile::settle(path))
        return false;
    AtomicFileWriter out(path);
    if (!out.isOpen())
        return false;
    // A set keeps removing thousands of selected profiles from a large file linear.
    const std::unordered_set<std::string_view> drop(names.begin(), names.end());
    const ReadResult read = forEachProfile(path, [&](const ProfileLine& line) {
        if (!drop.contains(line.name()))
            out.writeLine(line.bytes);
        return true;
    });
    if (appendedLine)
        out.writeLine(*appendedLine);
    return read == ReadResult::Done && out.commit();
}

bool DatabaseStore::removeProfiles(const std::string& databasePath,
                                   const std::vector<std::string>& names) {
    const DirectoryLock lock = lockDirectory();
    if (!lock.held())
        return false;
    return rewriteWithout(databasePath, names, nullptr);
}

bool DatabaseStore::writeProfiles(const std::string& name, const std::vector<Game>& profiles) {
    const DirectoryLock lock = lockDirectory();
    // A journal left by a killed writer would otherwise be applied to the new file later.
    if (!lock.held() || !ProfileFile::settle(databasePath(name)))
        return false;
    AtomicFileWriter out(databasePath(name));
    if (!out.isOpen())
        return false;
    for (const Game& game : profiles)
        out.writeLine(game.ToLine());
    if (!out.commit())
        return false;
    const std::string file = name + std::string(kDbSuffix);
    if (list_ && std::find(list_->begin(), list_->end(), file) == list_->end())
        list_->push_back(file);
    return true;
}

namespace {
// Whether a profile of that name is in the file (not when there is no file); nothing when the
// file exists but cannot be read to its end.
std::optional<bool> containsProfile(const std::string& path, const std::string& name) {
    bool found = false;
    const ReadResult read = forEachProfile(path, [&](const ProfileLine& line) {
        found = line.name() == name;
        return !found;
    });
    if (read == ReadResult::Unreadable)
        return std::nullopt;
    return found;
}
}  // namespace

SaveOutcome DatabaseStore::saveProfile(const Game& game, const std::string& databasePath,
                                       const std::optional<std::string>& editingName,
                                       OnExisting onExisting) {
    constexpr SaveOutcome kFileError{SaveResult::NotWritten, StoreError::FileIo};
    const std::string line = game.ToLine();
    const DirectoryLock lock = lockDirectory();
    if (!lock.held())
        return {SaveResult::NotWritten, lockError(lock)};
    if (!ProfileFile::settle(databasePath))
        return kFileError;
    if (editingName) {
        if (game.name != *editingName) {
            const std::optional<bool> taken = containsProfile(databasePath, game.name);
            if (!taken)
                return kFileError;
            if (*taken)
                return {SaveResult::NotWritten, StoreError::NameTaken};
        }
        // One rewrite drops the old line and appends the new one, so a failure loses nothing.
        if (!rewriteWithout(databasePath, {*editingName}, &line))
            return kFileError;
        return {SaveResult::Written};
    }

    const std::optional<bool> exists = containsProfile(databasePath, game.name);
    // A database that cannot be read could already hold the name; appending would double it.
    if (!exists)
        return kFileError;
    if (*exists) {
        if (onExisting == OnExisting::Keep)
            return {SaveResult::NotWritten, StoreError::Exists};
        if (!rewriteWithout(databasePath, {game.name}, &line))
            return kFileError;
        return {SaveResult::Written};
    }
    if (!ProfileFile(dir_, lockWait_).append(databasePath, {&line, 1}))
        return kFileError;
    return {SaveResult::Written};
}

int DatabaseStore::countBackups(const std::string& name) const {
    int count = 0;
    for (const std::string& file : databaseFilesIn(dir_))
        if (backupNumber(file, name))
            ++count;
    return count;
}

std::vector<std::string> DatabaseStore::databaseFilesOf(const std::string& name) const {
    std::vector<std::string> files;
    // Only what a restore could bring back is a backup: Games_old.db is no file of Games.
    for (const std::string& file : databaseFilesIn(dir_))
        if (file == name + std::string(kDbSuffix) || backupNumber(file, name))
            files.push_back(file);
    return files;
}

namespace {
bool isSymbolicLink(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
}

// Any directory entry, a link to nothing included, keeps its name from a rename.
bool nameTaken(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}
}  // namespace

BackupResult DatabaseStore::backupDatabase(const std::string& name) {
    const DirectoryLock lock = lockDirectory();
    if (!lock.held())
        return BackupResult::Failed;
    return backupDatabaseFile(dir_, name);
}

FileResult DatabaseStore::restoreDatabase(const std::string& name) {
    const DirectoryLock lock = lockDirectory();
    // A journal of the database replaced would otherwise cut the restored file later.
    if (!lock.held() || !ProfileFile::settle(databasePath(name)))
        return FileResult::Failed;
    std::optional<long> newest;
    std::string newestFile;
    for (const std::string& file : databaseFilesIn(dir_)) {
        const auto n = backupNumber(file, name);
        if (n && (!newest || *n > *newest)) {
            newest = n;
            newestFile = file;
        }
    }
    if (!newest)
        return FileResult::Failed;
    // Renaming over the database replaces it in one step; it is never deleted first. A database
    // that is a symbolic link stays one: the file it names gets the backup's content.
    const std::string from = joinPath(dir_, newestFile);
    const std::string to = databasePath(name);
    if (isSymbolicLink(to)) {
        if (!copyRegularFile(from, to, AtomicFileWriter::Publish::Replace) ||
            std::remove(from.c_str()) != 0)
            return FileResult::Failed;
        return FileResult::Done;
    }
    return std::rename(from.c_str(), to.c_str()) == 0 ? FileResult::Done : FileResult::Failed;
}

FileResult DatabaseStore::deleteDatabaseFiles(const std::string& name, bool deleteDatabase) {
    const DirectoryLock lock = lockDirectory();
    if (!lock.held() || !ProfileFile::settle(databasePath(name)))
        return FileResult::Failed;
    const std::string dbFile = name + std::string(kDbSuffix);
    std::vector<std::string> files = databaseFilesOf(name);
    const bool databaseThere = std::erase(files, dbFile) > 0;
    for (const std::string& file : files)
        if (std::remove(joinPath(dir_, file).c_str()) != 0)
            return FileResult::Failed;
    if (!deleteDatabase)
        return FileResult::Done;
    if (databaseThere) {
        if (std::remove(databasePath(name).c_str()) != 0)
            return FileResult::Failed;
        if (name == currentName_)
            currentName_.clear();
    }
    if (list_)
        std::erase(*list_, dbFile);
    return FileResult::Done;
}

FileResult DatabaseStore::renameDatabaseFiles(const std::string& oldName,
                                              const std::string& newName) {
    const DirectoryLock lock = lockDirectory();
    // The journals keep the old name: they are settled before it goes.
    if (!lock.held() || !ProfileFile::settle(databasePath(oldName)))
        return FileResult::Failed;
    struct Move {
        std::string from;
        std::string to;
    };
    std::vector<Move> moves;
    for (const std::string& file : databaseFilesOf(oldName))
        moves.push_back(
            {joinPath(dir_, file), joinPath(dir_, newName + file.substr(oldName.size()))});
    // A database and its backups change name together or not at all: every new name is checked
    // before the first file moves, and a rename that fails anyway puts the moved files back.
    if (std::ranges::any_of(moves, [](const Move& m) { return nameTaken(m.to); }))
        return FileResult::Failed;
    for (size_t done = 0; done < moves.size(); ++done) {
        if (!renameWithoutReplacing(moves[done].from, moves[done].to)) {
            while (done-- > 0)
                renameWithoutReplacing(moves[done].to, moves[done].from);
            return FileResult::Failed;
        }
    }
    if (currentName_ == oldName)
        currentName_ = newName;
    if (list_) {
        const std::string oldFile = oldName + std::string(kDbSuffix);
        for (std::string& file : *list_)
            if (file == oldFile)
                file = newName + std::string(kDbSuffix);
    }
    return FileResult::Done;
}

MoveOutcome DatabaseStore::moveProfiles(const std::vector<Game>& profiles,
                                        const std::string& target,
                                        const ReplaceQuestion& askReplace) {
    MoveOutcome outcome;
    const std::string targetPath = databasePath(target);
    const std::string sourcePath = currentDatabasePath();
    {
        const DirectoryLock lock = lockDirectory();
        if (!lock.held()) {
            outcome.error = lockError(lock);
            return outcome;
        }
        if (!appendLines(targetPath, {})) {
            outcome.error = StoreError::TargetFileIo;
            return outcome;
        }
        if (sourcePath.empty() || !appendLines(sourcePath, {})) {
            outcome.error = StoreError::SourceFileIo;
            return outcome;
        }
        const std::optional<bool> asListed = holdsAsListed(sourcePath, profiles);
        if (!asListed || !*asListed) {
            outcome.error = asListed ? StoreError::ChangedElsewhere : StoreError::SourceFileIo;
            return outcome;
        }
    }

    for (const Game& game : profiles) {
        SaveOutcome saved = saveProfile(game, targetPath, std::nullopt);
        if (saved.error == StoreError::Exists) {
            // Asked with the lock free. Should the profile be gone by the answer, the
            // replacing save still stores it once.
            const SaveResult answer = askReplace(game.name);
            if (answer == SaveResult::Cancel)
                break;
            if (!wasWritten(answer))
                continue;
            saved = saveProfile(game, targetPath, std::nullopt, OnExisting::Replace);
        }
        if (saved.error != StoreError::None)
            outcome.error = saved.error;
        // Each profile waited its full time already; the next ones would wait as long.
        if (saved.error == StoreError::Busy)
            break;
        if (wasWritten(saved.result))
            outcome.written.push_back(game.name);
    }
    if (!outcome.written.empty())
        dropMovedFromSource(profiles, sourcePath, outcome);
    return outcome;
}

// The source loses the moved profiles in one rewrite; should it fail they exist twice, never
// nowhere. One another program changed while the user was asked stays in the source: its
// change is not lost for the listed copy the target received.
void DatabaseStore::dropMovedFromSource(const std::vector<Game>& profiles,
                                        const std::string& sourcePath, MoveOutcome& outcome) {
    const DirectoryLock lock = lockDirectory();
    if (!lock.held()) {
        outcome.error = lockError(lock);
        return;
    }
    const std::unordered_set<std::string_view> written(outcome.written.begin(),
                                                       outcome.written.end());
    std::vector<Game> moved;
    for (const Game& game : profiles)
        if (written.contains(game.name))
            moved.push_back(game);
    const auto changed = changedOf(sourcePath, moved);
    if (!changed) {
        outcome.error = StoreError::FileIo;
        return;
    }
    std::vector<std::string> unchanged;
    for (const Game& game : moved) {
        if (changed->contains(game.name))
            outcome.error = StoreError::ChangedElsewhere;
        else
            unchanged.push_back(game.name);
    }
    if (removeProfiles(sourcePath, unchanged))
        outcome.moved = std::move(unchanged);
    else
        outcome.error = StoreError::FileIo;
}

}  // namespace corvane
