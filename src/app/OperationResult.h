// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "selection/Favorites.h"

namespace corvane {

// What became of an operation that keeps databases, favorites and cached SHA-1s in step. The
// windows only present it: one function of the user interface turns it into the message.
enum class OperationResult {
    Done,
    NothingDone,          // declined, cancelled or nothing to act on: nothing changed
    FileError,            // a database could not be read whole or written
    TargetFileError,      // a move's target cannot be written: nothing was moved
    SourceFileError,      // a move's source cannot be written: nothing was moved
    BackupFailed,         // the backup asked for could not be made: the database is unchanged
    ProfileNameTaken,     // an edited profile's new name is in its database already
    InvalidName,          // a database name that could not be stored or listed
    RenameFailed,         // the database kept its name
    DeleteFailed,         // the database is still there; some of its backups may be gone
    RestoreFailed,        // no backup, or it could not take the database's place
    FavoritesNotWritten,  // the change was made and the favorites followed, but not in their file
    FavoritesRefused,     // the change was made; the favorites could not store the new name
    Busy,                 // another program kept writing in the base directory: nothing changed
    ChangedElsewhere,     // another program changed a profile acted on: nothing changed
};

// The change itself was made, whatever became of the favorites file.
inline bool changeMade(OperationResult result) {
    return result == OperationResult::Done || result == OperationResult::FavoritesNotWritten ||
           result == OperationResult::FavoritesRefused;
}

// The catalogue key of what the user reads after an operation; null when there is nothing to say.
const char* resultMessageKey(OperationResult result);

// The result of a change to the favorites, alone or after a change to the databases.
OperationResult favoritesResult(FavoriteResult result);

}  // namespace corvane
