// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/DirectoryLock.h"
#include "model/DatabaseFiles.h"
#include "model/ProfileFile.h"

namespace corvane {

class Game;

enum class CreateResult { AlreadyListed = 1, Failed = 2, Created = 3 };
enum class FileResult { Failed = 2, Done = 3 };
enum class SaveResult {
    NotWritten = 0,
    Written = 1,
    No = 2,
    YesToAll = 3,
    NoToAll = 4,
    Cancel = 5
};
// Whether a new profile may take the place of one of its name in the database.
enum class OnExisting { Keep, Replace };
// Why an operation wrote nothing, where no answer of the user explains it. The store tells no
// one: its callers decide what the user reads.
enum class StoreError {
    None,
    FileIo,            // a database could not be read whole or rewritten
    NameTaken,         // an edited profile's new name is in the database already
    Exists,            // a new profile's name is in the database, and it was to be kept
    TargetFileIo,      // a move's target cannot be written
    SourceFileIo,      // a move's source cannot be written
    Busy,              // another writer kept the base directory locked for the whole wait
    ChangedElsewhere,  // a profile acted on is no longer in the file as it was listed
};

inline bool wasWritten(SaveResult r) {
    return r == SaveResult::Written || r == SaveResult::YesToAll;
}

struct SaveOutcome {
    SaveResult result = SaveResult::NotWritten;
    StoreError error = StoreError::None;  // set only when NotWritten was not the user's answer
};

// The user's answer whether a profile of the same name may be replaced, asked with no lock held:
// Written or YesToAll replaces it, Cancel ends a move, any other answer keeps it.
using ReplaceQuestion = std::function<SaveResult(const std::string& name)>;

struct MoveOutcome {
    // TargetFileIo or SourceFileIo: nothing was tried. FileIo: a profile could not be written to
    // the target, or the source could not lose the moved ones. ChangedElsewhere: a profile was
    // not as listed in the source; at the start nothing was tried, at the end it stays there.
    StoreError error = StoreError::None;
    std::vector<std::string> written;  // names written to the target
    std::vector<std::string> moved;    // of those, the names gone from the source
};

// The launcher databases of one base directory: name.db files, numbered backups name_N.db,
// and the current database. Every rewrite replaces the file atomically, so a failure leaves
// the database as it was. The store asks no one: whether a profile may be replaced is the
// caller's to ask, and failures are returned. Favorites and cached SHA-1s follow through the
// operations of app/. Every change takes the base directory's lock while it writes, so another
// program (or thread) writing there at the same time cannot undo it; a change that cannot get the
// lock writes nothing.
class DatabaseStore {
public:
    explicit DatabaseStore(std::string directory);

    const std::string& directory() const { return dir_; }
    // The lock every writer of the base directory takes; an operation made of several changes
    // takes it first, so that no other writer comes in between.
    DirectoryLock lockDirectory() const { return DirectoryLock(dir_, lockWait_); }
    const LockWait& lockWait() const { return lockWait_; }
    void setLockWait(LockWait wait) { lockWait_ = std::move(wait); }
    std::string databasePath(const std::string& name) const;
    static std::string databaseNameOfPath(const std::string& path);

    // File names (name + ".db", the extension in exactly these letters) of the databases, built
    // from the directory on first use and kept in step by create, delete and rename afterwards.
    const std::vector<std::string>& databaseList();
    std::vector<std::string> databaseNames();
    // The list is built from the directory again on next use, after a database was made by
    // other means than the store's own.
    void forgetDatabaseList() { list_.reset(); }

    const std::string& currentDatabaseName() const { return currentName_; }
    std::string currentDatabasePath() const;
    void setCurrentDatabase(const std::string& name) { currentName_ = name; }

    int countProfiles(const std::string& fileName) const;
    // The numbered backups name_N.db of a database: what a restore can bring back.
    int countBackups(const std::string& name) const;
    int countAllProfiles();
    // The profiles of a database, none when it could not be read whole; the second form also
    // tells a database not there (Missing) from one that could not be read (Unreadable).
    static std::vector<Game> readProfiles(const std::string& path);
    static ReadResult readProfiles(const std::string& path, std::vector<Game>& profiles);
    // Whether each profile as a list showed it is still in the database just so, by its name
    // and all its fields; None when the file cannot be read. Meant under the lock, before
    // writing what the user chose from that list.
    static std::optional<bool> holdsAsListed(const std::string& path,
                                             const std::vector<Game>& listed);

    CreateResult createEmptyDatabase(const std::string& name);
    // editingName: the name of the profile before editing, when the editor saves it. A new
    // profile whose name is in the database already writes nothing (Exists) unless told to
    // replace it; the lock is free again when it returns, so the caller can ask the user.
    SaveOutcome saveProfile(const Game& game, const std::string& databasePath,
                            const std::optional<std::string>& editingName,
                            OnExisting onExisting = OnExisting::Keep);
    // False when the database could not be read whole or rewritten.
    bool removeProfiles(const std::string& databasePath, const std::vector<std::string>& names);
    // Gives the database exactly these profiles, creating and listing it when it is new.
    bool writeProfiles(const std::string& name, const std::vector<Game>& profiles);
    // Copies the database to its next numbered backup. The name is the database's, never its file
    // name: "Demo.db" is the file Demo.db.db. After a failure the caller should not go on to
    // change the database it could not save.
    BackupResult backupDatabase(const std::string& name);
    FileResult restoreDatabase(const std::string& name);
    // Delete and rename act on the numbered backups only, as counted; other files whose names
    // begin with name_ stay as they are. The database file goes last: after a failed delete it is
    // still there, whatever backups went.
    FileResult deleteDatabaseFiles(const std::string& name, bool deleteDatabase);
    FileResult renameDatabaseFiles(const std::string& oldName, const std::string& newName);
    // Moves the given profiles of the current database, as listed, into target, replacing one
    // of the same name there as askReplace answers; none when one of them changed in the source
    // since it was listed.
    MoveOutcome moveProfiles(const std::vector<Game>& profiles, const std::string& target,
                             const ReplaceQuestion& askReplace);

private:
    std::vector<std::string> databaseFilesOf(const std::string& name) const;
    bool rewriteWithout(const std::string& path, const std::vector<std::string>& names,
                        const std::string* appendedLine);
    void dropMovedFromSource(const std::vector<Game>& profiles, const std::string& sourcePath,
                             MoveOutcome& outcome);

    std::string dir_;
    LockWait lockWait_;
    std::optional<std::vector<std::string>> list_;
    std::string currentName_;
};

}  // namespace corvane
