// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OperationResult.h"

namespace corvane {

OperationResult favoritesResult(FavoriteResult result) {
    switch (result) {
        case FavoriteResult::WriteFailed:
            return OperationResult::FavoritesNotWritten;
        case FavoriteResult::Invalid:
            return OperationResult::FavoritesRefused;
        case FavoriteResult::Busy:
            return OperationResult::Busy;
        case FavoriteResult::Written:
        case FavoriteResult::Unchanged:
            break;
    }
    return OperationResult::Done;
}

const char* resultMessageKey(OperationResult result) {
    switch (result) {
        case OperationResult::Done:
        case OperationResult::NothingDone:
            break;
        case OperationResult::FileError:
        case OperationResult::BackupFailed:
            return "M_ERR_FILE_IO";
        case OperationResult::TargetFileError:
            return "M_ERR_FILE_IO_TARGET";
        case OperationResult::SourceFileError:
            return "M_ERR_FILE_IO_SOURCE";
        case OperationResult::ProfileNameTaken:
            return "M_ERR_NEW_NAME_IN_DB_EXIST";
        case OperationResult::InvalidName:
        case OperationResult::FavoritesRefused:
            return "M_INVALID_NAME";
        case OperationResult::RenameFailed:
            return "M_ERROR_RENAME_DB";
        case OperationResult::DeleteFailed:
        case OperationResult::RestoreFailed:
            return "M_ERROR_DELETE_DB";
        case OperationResult::FavoritesNotWritten:
            // The favorites in memory kept the change, so nothing looks wrong until the next
            // start finds the old file: bookmarks lost without a word. The user hears of it.
            return "M_ERR_FILE_IO";
        case OperationResult::Busy:
            return "M_ERR_BASE_DIR_BUSY";
        case OperationResult::ChangedElsewhere:
            return "M_ERR_PROFILE_CHANGED";
    }
    return nullptr;
}

}  // namespace corvane
