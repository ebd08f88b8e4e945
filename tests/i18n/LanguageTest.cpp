// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "i18n/LanguageEnglish.h"
#include "i18n/LanguageIds.h"
#include "i18n/MenuIds.h"
#include "i18n/MenuLayout.h"
#include "model/ValueLists.h"

using namespace corvane;
using ::testing::ElementsAre;

namespace {

class TinyCatalogue final : public Language {
public:
    explicit TinyCatalogue(bool addTwice = false) : addTwice_(addTwice) { fill(); }

private:
    void fill() override {
        add(1, "OK");
        add("scc", "SCC Cartridge");
        add("M_ERROR", "Error");
        add("BR", "Brazil");
        if (addTwice_) {
            add(1, "Okay");
        }
    }

    bool addTwice_;
};

std::set<std::string> keysWhere(const Language& language, bool (*test)(const std::string&)) {
    std::set<std::string> found;
    for (const auto& [key, text] : language.keys()) {
        if (test(text)) {
            found.insert(key);
        }
    }
    return found;
}

}  // namespace

TEST(LanguageTest, LookupsAndMissingEntries) {
    const TinyCatalogue catalogue;
    EXPECT_EQ(catalogue.textForId(1), "OK");
    EXPECT_EQ(catalogue.textForId(2), "");
    EXPECT_EQ(catalogue.textForKey("M_ERROR"), "Error");
    // A missing key shows itself; keys are case-sensitive.
    EXPECT_EQ(catalogue.textForKey("M_ERR_FILE_IO"), "M_ERR_FILE_IO");
    EXPECT_EQ(catalogue.textForKey("SCC"), "SCC");
    EXPECT_EQ(catalogue.textForKey(""), "");

    // Byte-wise order puts upper-case keys before lower-case ones.
    std::vector<std::string> order;
    for (const auto& [key, text] : catalogue.keys()) {
        order.push_back(key);
    }
    EXPECT_THAT(order, ElementsAre("BR", "M_ERROR", "scc"));
}

TEST(LanguageDeathTest, EnteringAnIdentifierTwiceIsCaught) {
    // Without assertions the first entry stands.
    EXPECT_DEBUG_DEATH(
        {
            const TinyCatalogue twice{true};
            EXPECT_EQ(twice.textForId(1), "OK");
        },
        "entered twice");
}

TEST(LanguageEnglishTest, Counts) {
    const LanguageEnglish english;
    // The original keys plus those added since: a refused saved filter, files Fill Database
    // could not read, a field that would split its database line, another program writing in
    // the base directory, an emulator that quit at once, the empty-list guide, paths that share
    // no folder, the 22 CSV column titles that had only identifiers, eight that tell what a
    // disabled command needs, the IPS Center's progress caption, and Set Machine without a
    // machine, Adjust Relative Path's progress and which databases it rewrote before it stopped,
    // the progress of the SHA1 Center's Calculate, the software databases passed over, and for
    // two programs writing at once: the wait, a run stopped part-way by the other and the
    // databases it imported into by then, and a profile the other changed.
    EXPECT_EQ(english.keys().size(), 209u);
    int dialogsAndLanguages = 0;
    int controls = 0;
    int menus = 0;
    for (const auto& [id, text] : english.identifiers()) {
        if (id >= kFirstMenuId) {
            ++menus;
        } else if (id >= 1000 && id <= 9999) {
            ++controls;
        } else if (id >= 1 && id < 1000) {
            ++dialogsAndLanguages;
        } else {
            ADD_FAILURE() << "identifier " << id << " is in no range";
        }
    }
    EXPECT_EQ(dialogsAndLanguages, 44);
    EXPECT_EQ(menus, 46);
    // The 174 captions of the completeness test's reference list and 26 of the launcher's own,
    // from 1600 up; windows still to come may add more, within the 233 the dialogs number.
    EXPECT_GE(controls, 200);
    EXPECT_LE(controls, 233);
    for (const LanguageEntry& language : kLanguages) {
        EXPECT_TRUE(english.identifiers().contains(language.id)) << language.id;
    }
}

TEST(LanguageEnglishTest, FragmentsCarryTheirBlanks) {
    const LanguageEnglish english;
    const auto leading = [](const std::string& t) { return !t.empty() && t.front() == ' '; };
    const auto trailing = [](const std::string& t) { return !t.empty() && t.back() == ' '; };
    EXPECT_EQ(
        keysWhere(english, leading),
        (std::set<std::string>{"M_ADDED_TO_DB", "M_CREATED_DB", "M_ERR_EMUL_QUIT",
                               "M_ERR_NAME_IN_DB_EXIST", "M_GAME_SAVED", "M_PROFILES_MODIFIED"}));
    EXPECT_EQ(keysWhere(english, trailing),
              (std::set<std::string>{
                  "M_ADDED_TO_DB", "M_CREATED_DB", "M_DELETE_DB", "M_ENTER_DB_NEW_NAME",
                  "M_ENTER_FILTER_NEW_NAME", "M_ERR_EMUL_QUIT", "M_ERR_FIELD_CHARACTERS",
                  "M_EXTRA_DATA_IMPORTED_IN", "M_FILL_NOT_READ", "M_NEED_EMULATOR_PATH",
                  "M_NEED_FMSX_PATH", "M_NEED_OPENMSX_PATH", "M_PATHS_ADJUSTED_IN",
                  "M_REMOVE_BACKUPS_DB", "M_RESTORE_DB", "M_SOFTWARE_DB_NOT_READ"}));
    for (const auto& [id, text] : english.identifiers()) {
        EXPECT_FALSE(leading(text) || trailing(text)) << id;
    }
}

// Values that other parts store in files and show through the catalogue.
TEST(LanguageEnglishTest, StoredValuesHaveTexts) {
    const LanguageEnglish english;
    std::vector<std::string> values = mediumKeys();
    values.insert(values.end(),
                  {"SELECTION_ALL", "FILTER_YR_EQ", "FILTER_YR_EQ_G", "FILTER_YR_EQ_L",
                   "BG_IMAGE_LAYOUT_CENTRED", "BG_IMAGE_LAYOUT_STRETCHED", "BG_IMAGE_LAYOUT_TILED",
                   "scc", "scc+", "fmpac", "fmpak", "sunriseide"});
    for (const std::string& value : values) {
        EXPECT_TRUE(english.keys().contains(value)) << value;
    }

    // Two-letter keys are exactly the filterable countries plus the two that only the
    // emulator's databases name.
    std::set<std::string> countries(countryList().begin(), countryList().end());
    countries.insert({"NZ", "SA"});
    std::set<std::string> twoLetterKeys;
    for (const auto& [key, text] : english.keys()) {
        if (key.size() == 2) {
            twoLetterKeys.insert(key);
        }
    }
    EXPECT_EQ(twoLetterKeys, countries);
}

TEST(LanguageEnglishTest, MenuLayoutCoversEveryMenuCaption) {
    const LanguageEnglish english;
    std::set<int> inLayout;
    for (const MenuGroup& group : menuLayout()) {
        if (group.titleId != 0) {
            inLayout.insert(group.titleId);
        }
        if (!group.titleKey.empty()) {
            EXPECT_TRUE(english.keys().contains(group.titleKey)) << group.name;
        }
        for (int id : group.entries) {
            if (id != kMenuRule) {
                inLayout.insert(id);
            }
        }
    }
    std::set<int> captioned;
    for (const auto& [id, text] : english.identifiers()) {
        if (id >= kFirstMenuId) {
            captioned.insert(id);
        }
    }
    EXPECT_EQ(inLayout, captioned);
    for (std::string_view key : kMenuBarTitleKeys) {
        EXPECT_TRUE(english.keys().contains(key)) << key;
    }
}
