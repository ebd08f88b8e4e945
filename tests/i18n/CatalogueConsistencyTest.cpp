// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "i18n/CatalogueChecks.h"
#include "i18n/CatalogueFactory.h"
#include "i18n/EditedCatalogue.h"
#include "i18n/LanguageEnglish.h"
#include "i18n/LanguageIds.h"
#include "i18n/MenuIds.h"

using namespace corvane;
using namespace corvane::catalogue_checks;
using ::testing::IsEmpty;
using ::testing::SizeIs;

namespace {

using IdMap = EditedCatalogue::IdMap;
using KeyMap = EditedCatalogue::KeyMap;

// Most of a translation must differ from English; a few words coincide in any language.
bool mostlyTranslated(const Language& english, const Language& candidate) {
    const size_t entries = english.identifiers().size() + english.keys().size();
    return untranslatedEntries(english, candidate).size() * 10 <= entries;
}

}  // namespace

TEST(CatalogueConsistencyTest, EveryCatalogueMatchesEnglish) {
    const LanguageEnglish english;
    const std::vector<CatalogueEntry> catalogues = allCatalogues();
    ASSERT_FALSE(catalogues.empty());
    EXPECT_EQ(catalogues.front().languageId, kLanguageEnglish);
    std::set<int> seen;
    for (const CatalogueEntry& entry : catalogues) {
        SCOPED_TRACE("language " + std::to_string(entry.languageId));
        EXPECT_TRUE(isLanguageId(entry.languageId));
        EXPECT_TRUE(seen.insert(entry.languageId).second) << "registered twice";
        const Language& catalogue = *entry.catalogue;
        EXPECT_THAT(entryDifferences(english, catalogue), IsEmpty());
        EXPECT_THAT(malformedTexts(catalogue), IsEmpty());
        EXPECT_THAT(blankDifferences(english, catalogue), IsEmpty());
        EXPECT_THAT(mnemonicClashes(catalogue), IsEmpty());
        if (entry.languageId != kLanguageEnglish) {
            EXPECT_TRUE(mostlyTranslated(english, catalogue))
                << ::testing::PrintToString(untranslatedEntries(english, catalogue));
        }
    }
    EXPECT_EQ(seen.size(), kLanguages.size()) << "every language has its own catalogue";
}

TEST(CatalogueConsistencyTest, ChecksCatchDamagedCatalogues) {
    const LanguageEnglish english;

    const EditedCatalogue lostEntries(english, [](IdMap& ids, KeyMap& keys) {
        ids.erase(1);
        ids.emplace(4242, "Stray");
        keys.erase("M_ERROR");
    });
    EXPECT_THAT(entryDifferences(english, lostEntries), SizeIs(3));

    const EditedCatalogue badTexts(english, [](IdMap& ids, KeyMap& keys) {
        ids[kLanguageGerman] = "English";      // two languages named alike
        keys["M_INFO"] = "";                   // empty
        keys["M_MSG"] = "Message\r\n";         // control characters
        keys["M_ERROR"] = "Erreur \xE9t\xE9";  // Windows-1252 bytes, not UTF-8
        keys["M_CONFIRM"] = "\xC0\xAF";        // overlong encoding of "/"
    });
    EXPECT_THAT(malformedTexts(badTexts), SizeIs(5));

    const EditedCatalogue trimmed(english, [](IdMap&, KeyMap& keys) {
        keys["M_ADDED_TO_DB"] = "new profiles were added to database ";  // lost leading blank
        keys["M_DELETE_DB"] = "Delete database";                         // lost trailing blank
        keys["M_ERROR"] = " Error";                                      // gained one
    });
    EXPECT_THAT(blankDifferences(english, trimmed), SizeIs(3));

    const EditedCatalogue clashing(english, [](IdMap& ids, KeyMap& keys) {
        ids[kMenuAbout] = "&Hilfe";                   // same letter as "&Help Topics"
        ids[kMenuSetFilters] = "&Set &Filters...";    // two mnemonics
        ids[kMenuMarkInvalid] = "if invalid &";       // dangling
        keys["LOC_MENU_TOOLS"] = "&options && more";  // letter case does not matter
        keys["LOC_MENU_HELP"] = "&&Help";             // a literal ampersand is no mnemonic
    });
    // Help menu; Filters submenu and the saved-filters popup (both hold Set Filters); Mark
    // Profiles; the menu bar's "&Options" against "&options".
    EXPECT_THAT(mnemonicClashes(clashing), SizeIs(5));

    EXPECT_FALSE(mostlyTranslated(english, english));
    const EditedCatalogue shouted(english, [](IdMap& ids, KeyMap& keys) {
        for (auto& [id, text] : ids) {
            text += "!";
        }
        for (auto& [key, text] : keys) {
            text += "!";
        }
    });
    EXPECT_TRUE(mostlyTranslated(english, shouted));
}

TEST(CatalogueConsistencyTest, MnemonicLetters) {
    EXPECT_THAT(mnemonicsOf("I&PS Center..."), ::testing::ElementsAre("p"));
    EXPECT_THAT(mnemonicsOf("Copy && Paste"), IsEmpty());
    EXPECT_THAT(mnemonicsOf("&&&Open"), ::testing::ElementsAre("o"));
    EXPECT_THAT(mnemonicsOf("&\xC3\x89"
                            "dition"),
                ::testing::ElementsAre("\xC3\xA9"));
    EXPECT_THAT(mnemonicsOf("Save &"), ::testing::ElementsAre(""));
}

TEST(CatalogueConsistencyTest, TheFileManagerIsTheDesktopsNotWindowsExplorer) {
    // Windows Explorer under its name in each language, as captions used to call it.
    const std::vector<std::string> names = {"Windows", "Im Explorer", "Verkenner",
                                            "Esplora risorse", "Resurssienhallin"};
    for (const CatalogueEntry& entry : allCatalogues()) {
        SCOPED_TRACE("language " + std::to_string(entry.languageId));
        for (const std::string& name : names) {
            for (const auto& [key, text] : entry.catalogue->keys())
                EXPECT_EQ(text.find(name), std::string::npos) << key << ": " << text;
            for (const auto& [id, text] : entry.catalogue->identifiers())
                EXPECT_EQ(text.find(name), std::string::npos) << id << ": " << text;
        }
    }
    EXPECT_EQ(LanguageEnglish().textForKey("M_ERR_START_EXPOLRER"),
              "Error starting the file manager");
}
