// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "common/DirectoryLock.h"

namespace corvane {

class Game;
class Progress;

enum class ReadResult {
    Done,
    Missing,     // no file of that name: a database that is not there (any more)
    Unreadable,  // there, but it could not be opened or read to its end: an error for every caller
    Stopped,     // the user cancelled
};

// One profile's line as stored, without its line end; never empty.
struct ProfileLine {
    std::string_view bytes;
    std::string_view name() const;
    Game profile() const;
};

// Reads a launcher database: every non-empty line is given to the visitor, in file order, with
// CR LF, LF and a lone CR all taken as line ends. The visitor returns false to end the reading
// there (the result is then Done). Progress goes by bytes of the file; a cancel is looked at
// between lines.
using ProfileVisitor = std::function<bool(const ProfileLine&)>;
ReadResult forEachProfile(const std::string& path, const ProfileVisitor& visitor,
                          Progress& progress);
ReadResult forEachProfile(const std::string& path, const ProfileVisitor& visitor);
// Whether the database can be opened, reading no more than its start: Done, Missing or
// Unreadable. A tool that writes lets it fail before anything is written.
ReadResult probeProfiles(const std::string& path);

struct RewriteOutcome {
    enum class Result {
        Done,
        // Cancelled: the profiles changed so far were written, every other one as it was.
        Stopped,
        FileError,     // the database could not be read whole or written: it is as it was
        BackupFailed,  // the backup asked for could not be made: the database is as it was
        Busy,          // another writer kept the base directory locked for the whole wait
        Missing,       // there is no such database (any more): nothing was written
    };
    Result result = Result::FileError;
    int changed = 0;   // profiles the change reported as changed
    int profiles = 0;  // profiles in the database written
};

// The one owner of the launcher database files of a base directory: every write goes through
// here, takes the directory's lock for the write only, first settles what a killed writer left
// (a cut append, a half-done rename run), and leaves each file either as it was or whole.
class ProfileFile {
public:
    // True when it changed the profile; a pure function of the profile, as it may be called
    // again for the same profile when another program wrote the file meanwhile.
    using Change = std::function<bool(Game&)>;

    ProfileFile(std::string directory, LockWait lockWait);

    const std::string& directory() const { return directory_; }
    std::string path(const std::string& name) const;

    // Gives every profile of the database to the change. The new file is written beside the old
    // one while that is read, so memory does not grow with the database; under the lock it
    // replaces the old one only when that is still the file read, else the file is read and
    // changed again under the lock. With backup, the next numbered backup is made just before.
    // A profile the change leaves alone keeps its line byte for byte; empty lines are dropped.
    RewriteOutcome rewrite(const std::string& name, bool backup, const Change& change,
                           Progress& progress) const;

    // Adds the lines at the end of the database (created when missing) under the lock. The old
    // length is kept in a small journal until the lines are on disk, so a kill in between is
    // undone at the next write or start.
    bool append(const std::string& databasePath, std::span<const std::string> lines) const;

    // With the lock held: cuts back an interrupted append and completes an interrupted rename run
    // of the database. False when either could not be settled; the database must then not be
    // written.
    static bool settle(const std::string& databasePath);

    // With the lock held, at start: settles every database and removes the temporary files
    // killed writers left behind, of the databases and of the other files named (settings,
    // favorites, saved filters).
    static void settleDirectory(const std::string& directory,
                                std::span<const std::string_view> otherFiles = {});

private:
    std::string directory_;
    LockWait lockWait_;
};

}  // namespace corvane
