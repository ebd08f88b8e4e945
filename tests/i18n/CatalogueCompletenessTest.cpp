// SPDX-License-Identifier: GPL-3.0-or-later
// Every catalogue carries every entry, and every translation really translates it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "i18n/CatalogueChecks.h"
#include "i18n/CatalogueFactory.h"
#include "i18n/EditedCatalogue.h"
#include "i18n/LanguageEnglish.h"
#include "i18n/LanguageGerman.h"
#include "i18n/LanguageIds.h"
#include "i18n/ReferenceCatalogue.h"

namespace corvane {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;
using IdMap = EditedCatalogue::IdMap;
using KeyMap = EditedCatalogue::KeyMap;
namespace reference = reference_catalogue;

// An English text that a translation may keep, and the languages (two-letter codes separated
// by blanks) that keep it. Anything else left in English is an entry nobody translated. Each
// pair must still be in use, so the list cannot grow stale.
struct KeptText {
    std::string_view english;
    std::string_view languages;
};

constexpr KeptText kKeptTexts[] = {
    // Names, codes and brand words.
    {"OK", "nl fi fr de it pt sv"},
    {"INFO", "ca nl fi de it pt es sv"},
    {"ROM", "ca nl fi fr de it pt es sv"},
    {"SHA1", "ca nl fi fr de it pt es sv"},
    {"IPS", "ca nl fi fr de it pt es sv"},
    {"Good MSX", "ca nl fi fr de it pt es sv"},
    {"Sunrise IDE", "ca nl fi fr de it pt es sv"},
    {"Mapper", "ca nl fi fr de it pt es sv"},
    {"Launcher", "ca nl fi de it pt es sv"},
    {"Slot 1", "nl fr de it pt sv"},
    {"Slot 2", "nl fr de it pt sv"},
    // Countries and a language spelt as in English.
    {"Canada", "nl fr it"},
    {"England", "de sv"},
    {"Finland", "nl sv"},
    {"France", "fr"},
    {"Japan", "nl de sv"},
    {"Korea", "nl fi de sv"},
    {"Kuwait", "ca fi de it pt es sv"},
    {"Russia", "it"},
    {"USA", "de sv"},
    {"Catalan", "fr"},
    // Words the language shares with English.
    {"No", "ca it es"},
    {"Info", "nl fi de it sv"},
    {"Error", "ca es"},
    {"General", "ca es"},
    {"Arguments", "ca fr"},
    {"Captures", "ca fr"},
    {"Database", "nl it"},
    {"DATABASE", "nl it"},
    {"Databases", "nl"},
    {"Filters", "nl"},
    {"&Filters", "nl"},
    {"&Help", "nl"},
    {"Emulators", "nl"},
    {"Medium", "nl sv"},
    {"MEDIUM", "nl sv"},
    {"Genre", "nl fr de sv"},
    {"GENRE", "nl fr de sv"},
    {"Machine", "nl fr"},
    {"Machine :", "nl fr"},
    {"Start", "nl de sv"},
    {"Version", "fr de sv"},
    {"Confirmation", "fr"},
    {"Image 1", "fr"},
    {"Image 2", "fr"},
    {"Images", "fr"},
    {"Message", "fr"},
    {"&Options", "fr"},
    {"Options", "fr"},
    {"Source", "fr"},
    {"Generation", "de sv"},
    {"GENERATION", "de sv"},
    {"System", "de sv"},
    {"SYSTEM", "de sv"},
    {"Sound", "de"},
    {"SOUND", "de"},
    {"Name", "de"},
    {"Screenshots", "de"},
    {"Screenshots :", "de"},
    {"File", "it"},
    {"Output", "it"},
    {"Backups", "pt"},
};

std::vector<std::string_view> codesOf(std::string_view languages) {
    std::vector<std::string_view> codes;
    while (!languages.empty()) {
        const size_t blank = std::min(languages.find(' '), languages.size());
        if (blank > 0) {
            codes.push_back(languages.substr(0, blank));
        }
        languages.remove_prefix(std::min(blank + 1, languages.size()));
    }
    return codes;
}

bool mayKeep(std::string_view english, std::string_view code) {
    return std::ranges::any_of(kKeptTexts, [&](const KeptText& kept) {
        return kept.english == english && std::ranges::count(codesOf(kept.languages), code) > 0;
    });
}

std::string_view codeOf(int languageId) {
    const auto it = std::ranges::find(kLanguages, languageId, &LanguageEntry::id);
    return it == kLanguages.end() ? std::string_view() : it->code;
}

std::string inQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// English against the written-out reference: every entry present, worded exactly.
std::vector<std::string> referenceDifferences(const Language& english) {
    std::vector<std::string> problems;
    for (const auto ids : {reference::dialogTitlesAndLanguages(), reference::menuCommands(),
                           reference::controlCaptions()}) {
        for (const reference::IdText& entry : ids) {
            const std::string what = "identifier " + std::to_string(entry.id);
            const auto it = english.identifiers().find(entry.id);
            if (it == english.identifiers().end()) {
                problems.push_back("missing " + what);
            } else if (it->second != entry.text) {
                problems.push_back(what + " reads " + inQuotes(it->second));
            }
        }
    }
    for (const reference::KeyText& entry : reference::keyTexts()) {
        const std::string what = "key " + std::string(entry.key);
        const auto it = english.keys().find(entry.key);
        if (it == english.keys().end()) {
            problems.push_back("missing " + what);
        } else if (it->second != entry.text) {
            problems.push_back(what + " reads " + inQuotes(it->second));
        }
    }
    return problems;
}

template <class Map>
void findUntranslated(const Map& english, const Map& candidate, std::string_view code,
                      const std::string& kind, std::vector<std::string>& problems) {
    for (const auto& [entry, text] : english) {
        std::string what = kind + " ";
        if constexpr (std::is_same_v<typename Map::key_type, int>) {
            what += std::to_string(entry);
        } else {
            what += entry;
        }
        const auto it = candidate.find(entry);
        if (it == candidate.end()) {
            problems.push_back("missing " + what);
        } else if (it->second.empty()) {
            problems.push_back("empty " + what);
        } else if (it->second == text && !mayKeep(text, code)) {
            problems.push_back("untranslated " + what + " " + inQuotes(text));
        }
    }
}

// Every English entry the candidate lacks, leaves empty, or leaves in English without leave.
std::vector<std::string> untranslatedEntries(const Language& english, const Language& candidate,
                                             std::string_view code) {
    std::vector<std::string> problems;
    findUntranslated(english.identifiers(), candidate.identifiers(), code, "identifier", problems);
    findUntranslated(english.keys(), candidate.keys(), code, "key", problems);
    return problems;
}

// Kept texts that no entry of the language keeps any more, or that name an unknown language.
std::vector<std::string> unusedKeptTexts(const Language& english,
                                         const std::vector<CatalogueEntry>& catalogues) {
    std::vector<std::string> problems;
    for (const KeptText& kept : kKeptTexts) {
        for (std::string_view code : codesOf(kept.languages)) {
            const auto it = std::ranges::find_if(catalogues, [code](const CatalogueEntry& entry) {
                return codeOf(entry.languageId) == code;
            });
            const std::string what = inQuotes(kept.english) + " in " + std::string(code);
            if (it == catalogues.end() || code == "en") {
                problems.push_back(what + ": no such translation");
                continue;
            }
            const Language& translation = *it->catalogue;
            const bool byId = std::ranges::any_of(english.identifiers(), [&](const auto& entry) {
                return entry.second == kept.english &&
                       translation.textForId(entry.first) == kept.english;
            });
            const bool byKey = std::ranges::any_of(english.keys(), [&](const auto& entry) {
                return entry.second == kept.english &&
                       translation.textForKey(entry.first) == kept.english;
            });
            if (!byId && !byKey) {
                problems.push_back(what + ": translated now, drop it from the list");
            }
        }
    }
    return problems;
}

TEST(CatalogueCompletenessTest, ReferenceHasEveryEntryOnce) {
    EXPECT_EQ(reference::dialogTitlesAndLanguages().size(), 44u);
    EXPECT_EQ(reference::menuCommands().size(), 46u);
    EXPECT_EQ(reference::keyTexts().size(), 161u);
    std::set<int> ids;
    for (const auto list : {reference::dialogTitlesAndLanguages(), reference::menuCommands(),
                            reference::controlCaptions()}) {
        for (const reference::IdText& entry : list) {
            EXPECT_TRUE(ids.insert(entry.id).second) << entry.id << " listed twice";
        }
    }
    for (const reference::IdText& entry : reference::controlCaptions()) {
        EXPECT_TRUE(entry.id >= 1000 && entry.id <= 9999) << entry.id;
    }
    for (const reference::IdText& entry : reference::menuCommands()) {
        EXPECT_GE(entry.id, 32768) << entry.id;
    }
    for (const LanguageEntry& language : kLanguages) {
        EXPECT_EQ(std::ranges::count(reference::dialogTitlesAndLanguages(), language.id,
                                     &reference::IdText::id),
                  1)
            << language.id;
    }
    std::set<std::string_view> keys;
    for (const reference::KeyText& entry : reference::keyTexts()) {
        EXPECT_TRUE(keys.insert(entry.key).second) << entry.key << " listed twice";
    }
}

TEST(CatalogueCompletenessTest, EveryLanguageCarriesAndTranslatesEveryEntry) {
    const LanguageEnglish english;
    const std::vector<CatalogueEntry> catalogues = allCatalogues();
    EXPECT_EQ(catalogues.size(), kLanguages.size());
    for (const CatalogueEntry& entry : catalogues) {
        const std::string_view code = codeOf(entry.languageId);
        SCOPED_TRACE("language " + std::string(code));
        EXPECT_THAT(catalogue_checks::entryDifferences(english, *entry.catalogue), IsEmpty());
        if (entry.languageId == kLanguageEnglish) {
            EXPECT_THAT(referenceDifferences(*entry.catalogue), IsEmpty());
        } else {
            EXPECT_THAT(untranslatedEntries(english, *entry.catalogue, code), IsEmpty());
        }
    }
    EXPECT_THAT(unusedKeptTexts(english, catalogues), IsEmpty());
}

TEST(CatalogueCompletenessTest, ChecksCatchLostRewordedAndUntranslatedEntries) {
    const LanguageEnglish english;
    const EditedCatalogue reworded(english, [](IdMap& ids, KeyMap& keys) {
        ids.erase(1244);
        ids[32803] = "Fill Database...";  // lost its accelerator
        keys["M_ADDED_TO_DB"] = "new profiles were added to database ";
        keys.erase("FILTER_YR_EQ_L");
    });
    EXPECT_THAT(referenceDifferences(reworded),
                UnorderedElementsAre(
                    "missing identifier 1244", "identifier 32803 reads \"Fill Database...\"",
                    "key M_ADDED_TO_DB reads \"new profiles were added to database \"",
                    "missing key FILTER_YR_EQ_L"));

    const LanguageGerman german;
    EXPECT_THAT(untranslatedEntries(english, german, "de"), IsEmpty());
    const EditedCatalogue spoiled(german, [](IdMap& ids, KeyMap& keys) {
        ids.erase(1662);
        ids[1072] = "Calculate";    // left in English
        ids[236] = "Confirmation";  // kept in French only
        keys["M_ERROR"] = "";
        keys["SELECTION_ALL"] = "All";  // left in English
    });
    EXPECT_THAT(untranslatedEntries(english, spoiled, "de"),
                UnorderedElementsAre(
                    "missing identifier 1662", "untranslated identifier 1072 \"Calculate\"",
                    "untranslated identifier 236 \"Confirmation\"", "empty key M_ERROR",
                    "untranslated key SELECTION_ALL \"All\""));
    // Once German translates a word it kept, the list must let go of it.
    std::vector<CatalogueEntry> catalogues = allCatalogues();
    for (CatalogueEntry& entry : catalogues) {
        if (entry.languageId == kLanguageGerman) {
            entry.catalogue = std::make_unique<EditedCatalogue>(
                german, [](IdMap&, KeyMap& keys) { keys["GB"] = "Großbritannien"; });
        }
    }
    EXPECT_THAT(unusedKeptTexts(english, catalogues),
                ElementsAre("\"England\" in de: translated now, drop it from the list"));
}

}  // namespace
}  // namespace corvane
