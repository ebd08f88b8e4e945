// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "common/DirectoryLock.h"

namespace corvane {

class Game;
class Progress;

struct RewriteOutcome {
    enum class Result {
        Done,
        // Cancelled: the profiles changed so far were written, every other one as it was.
        Stopped,
        FileError,     // the database could not be read whole or written: it is as it was
        BackupFailed,  // the backup asked for could not be made: the database is as it was
        Busy,          // another writer held the base directory, or changed the database meanwhile
    };
    Result result = Result::FileError;
    int changed = 0;   // profiles the change reported as changed
    int profiles = 0;  // profiles in the database written
};

// Gives every profile of one launcher database to a change and puts the result in the file's
// place, as the tools that rewrite whole databases do. The profiles are read and changed first,
// as a change may take long (hashing); the write then holds the base directory's lock and
// happens only when the file is still the one read. A kill at any moment leaves the database
// either as it was or wholly rewritten. Empty lines are dropped; a profile the change leaves
// alone keeps its line byte for byte.
class DatabaseRewrite {
public:
    // True when it changed the profile.
    using Change = std::function<bool(Game&)>;

    // directory is the base directory, lockWait how its lock is waited for.
    DatabaseRewrite(std::string directory, LockWait lockWait);

    // name is the database's name, without ".db". With backup, the database's next numbered
    // backup is made just before it is replaced. Progress goes by bytes of the file read; after
    // a cancel the change is not called again.
    RewriteOutcome rewrite(const std::string& name, bool backup, const Change& change,
                           Progress& progress) const;

private:
    std::string directory_;
    LockWait lockWait_;
};

}  // namespace corvane
