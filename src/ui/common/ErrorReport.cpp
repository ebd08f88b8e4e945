// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/ErrorReport.h"

#include "common/Prompter.h"
#include "i18n/LanguageManager.h"

namespace corvane {

void reportError(Prompter& prompter, const LanguageManager& languages, const char* key) {
    if (key)
        prompter.message(languages.text(key), MessageKind::Error);
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
    }
    return nullptr;
}

void reportResult(Prompter& prompter, const LanguageManager& languages, OperationResult result) {
    reportError(prompter, languages, resultMessageKey(result));
}

}  // namespace corvane
