// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/ErrorReport.h"

#include <gtest/gtest.h>

#include "i18n/LanguageIds.h"
#include "i18n/LanguageManager.h"
#include "support/ScriptedPrompter.h"

using namespace corvane;

TEST(ErrorReportTest, EveryFailureReadsAsACatalogueErrorAndSuccessIsSilent) {
    LanguageManager languages;
    languages.setLanguage(kLanguageEnglish);
    test::ScriptedPrompter prompter;
    size_t told = 0;
    for (int value = 0; value <= static_cast<int>(OperationResult::FavoritesRefused); ++value) {
        const auto result = static_cast<OperationResult>(value);
        reportResult(prompter, languages, result);
        if (result == OperationResult::Done || result == OperationResult::NothingDone) {
            EXPECT_EQ(resultMessageKey(result), nullptr) << value;
            continue;
        }
        // A key missing from the catalogue would show itself instead of a sentence.
        const char* key = resultMessageKey(result);
        ASSERT_NE(key, nullptr) << value;
        ASSERT_EQ(prompter.messages.size(), ++told) << value;
        EXPECT_NE(prompter.messages.back().text, key) << value;
        EXPECT_EQ(prompter.messages.back().kind, MessageKind::Error) << value;
    }
    EXPECT_EQ(prompter.messages.size(), told);
    // The database manager's messages, and the favorites rule: a write that failed is told.
    EXPECT_STREQ(resultMessageKey(OperationResult::RestoreFailed), "M_ERROR_DELETE_DB");
    EXPECT_STREQ(resultMessageKey(OperationResult::FavoritesNotWritten), "M_ERR_FILE_IO");
}
