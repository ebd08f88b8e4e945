// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/ErrorReport.h"

#include "app/UnreadableDatabase.h"
#include "common/Prompter.h"
#include "i18n/LanguageManager.h"

namespace corvane {

void reportError(Prompter& prompter, const LanguageManager& languages, const char* key) {
    if (key)
        prompter.message(languages.text(key), MessageKind::Error);
}

void reportResult(Prompter& prompter, const LanguageManager& languages, OperationResult result) {
    reportError(prompter, languages, resultMessageKey(result));
}

void reportUnreadable(Prompter& prompter, const LanguageManager& languages,
                      const std::string& database) {
    prompter.message(unreadableDatabaseText(languages, database), MessageKind::Error);
}

}  // namespace corvane
