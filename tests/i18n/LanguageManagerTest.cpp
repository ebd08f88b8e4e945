// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "i18n/CatalogueChecks.h"
#include "i18n/LanguageEnglish.h"
#include "i18n/LanguageIds.h"
#include "i18n/LanguageManager.h"

using namespace corvane;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// Logs when it is built and destroyed, so the order of a language change shows.
class RecordingCatalogue final : public Language {
public:
    RecordingCatalogue(int languageId, std::vector<std::string>& log)
        : languageId_(languageId), log_(log) {
        fill();
        log_.push_back("made " + std::to_string(languageId_));
    }
    ~RecordingCatalogue() override { log_.push_back("dropped " + std::to_string(languageId_)); }

private:
    void fill() override { add(languageId_, "language " + std::to_string(languageId_)); }

    int languageId_;
    std::vector<std::string>& log_;
};

}  // namespace

TEST(LanguageManagerTest, NothingBeforeTheFirstLanguage) {
    const LanguageManager manager;
    const TextSource& source = manager;
    EXPECT_EQ(manager.currentId(), 0);
    EXPECT_EQ(manager.current(), nullptr);
    EXPECT_EQ(manager.textForId(1), "");
    EXPECT_EQ(manager.text("M_ERROR"), "");
    EXPECT_EQ(source.text("M_ERR_FILE_IO"), "");
}

TEST(LanguageManagerTest, SelectingTheSameLanguageKeepsItsCatalogue) {
    LanguageManager manager;
    manager.setLanguage(kLanguageEnglish);
    const Language* first = manager.current();
    ASSERT_NE(first, nullptr);
    manager.setLanguage(kLanguageEnglish);
    EXPECT_EQ(manager.current(), first);
    EXPECT_EQ(manager.currentId(), kLanguageEnglish);

    const TextSource& source = manager;
    EXPECT_EQ(source.text("M_ERROR"), "Error");
    EXPECT_EQ(source.text("M_NO_SUCH_TEXT"), "M_NO_SUCH_TEXT");
    EXPECT_EQ(manager.textForId(238), "Confirmation");
    EXPECT_EQ(manager.textForId(999), "");
}

TEST(LanguageManagerTest, UnknownIdentifiersFallBackToEnglish) {
    const LanguageEnglish english;
    for (int id : {14, 0, -1, 32768}) {
        SCOPED_TRACE(id);
        LanguageManager manager;
        manager.setLanguage(kLanguageSwedish);
        manager.setLanguage(id);
        EXPECT_EQ(manager.currentId(), kLanguageEnglish);
        ASSERT_NE(manager.current(), nullptr);
        EXPECT_EQ(manager.current()->keys(), english.keys());
        EXPECT_EQ(manager.current()->identifiers(), english.identifiers());
    }
}

TEST(LanguageManagerTest, OneCatalogueAliveAndRebuiltOnlyOnChange) {
    std::vector<std::string> log;
    LanguageManager manager([&log](int id) -> std::unique_ptr<Language> {
        return std::make_unique<RecordingCatalogue>(id, log);
    });
    manager.setLanguage(kLanguageEnglish);
    manager.setLanguage(kLanguageEnglish);  // kept
    manager.setLanguage(kLanguageGerman);   // the old one goes before the new one is filled
    manager.setLanguage(14);                // unknown: English
    manager.setLanguage(0);                 // never "the same language again"
    EXPECT_THAT(log, ElementsAre("made 9", "dropped 9", "made 7", "dropped 7", "made 9",
                                 "dropped 9", "made 9"));
    EXPECT_EQ(manager.currentId(), kLanguageEnglish);
    EXPECT_EQ(manager.textForId(kLanguageEnglish), "language 9");
}

TEST(LanguageManagerTest, EveryLanguageAnswersEveryEntry) {
    const LanguageEnglish english;
    LanguageManager manager;
    for (const LanguageEntry& language : kLanguages) {
        SCOPED_TRACE(language.id);
        manager.setLanguage(language.id);
        EXPECT_EQ(manager.currentId(), language.id);
        ASSERT_NE(manager.current(), nullptr);
        EXPECT_THAT(catalogue_checks::entryDifferences(english, *manager.current()), IsEmpty());
        // A language without its own catalogue would fall back to English silently.
        if (language.id != kLanguageEnglish) {
            EXPECT_NE(manager.textForId(kLanguageEnglish), "English");
        }
    }
}

TEST(LanguageManagerTest, HelpFileCodes) {
    EXPECT_EQ(LanguageManager::languageCode(kLanguageCatalan), "ca");
    EXPECT_EQ(LanguageManager::languageCode(kLanguageGerman), "de");
    EXPECT_EQ(LanguageManager::languageCode(kLanguageSwedish), "sv");
    EXPECT_EQ(LanguageManager::languageCode(kLanguageEnglish), "en");
    for (int other : {0, 14, -9, 1033}) {
        EXPECT_EQ(LanguageManager::languageCode(other), "en") << other;
    }
    std::set<std::string> codes;
    for (const LanguageEntry& language : kLanguages) {
        const std::string code = LanguageManager::languageCode(language.id);
        EXPECT_EQ(code.size(), 2u);
        EXPECT_TRUE(codes.insert(code).second) << code;
    }
}
