// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/ProfileSearch.h"

#include <gtest/gtest.h>

#include "model/DatabaseStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

using namespace corvane;

namespace {

std::string line(const std::string& name) {
    return name + "|C:\\MSX\\" + name + ".rom|||||||||||||||||||||||||1|1|7|||\r\n";
}

}  // namespace

TEST(ProfileSearchTest, FindsPartsOfNamesInEveryDatabaseIgnoringCaseAndOuterBlanks) {
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    test::KeyTextSource texts;
    std::string many;
    for (int i = 0; i < 30; ++i)
        many += line("Filler " + std::to_string(i));
    dir.write("Arcade.db", line("Pac-Man") + "\r\n" + line("batman") + many);
    dir.write("Konami.db", line("MAN OF WAR") + line("Pac-Man") + "only a name, no bars\n");
    dir.write("Arcade_1.db", line("Backup Man"));  // backups are not databases
    DatabaseStore store(dir.path(), prompter, texts);
    ProfileSearch search(store);

    int pulses = 0;
    const auto hits = search.find("  mAn\t ", [&] { ++pulses; });
    EXPECT_EQ(search.lastText(), "mAn");
    EXPECT_EQ(pulses, 1);  // 35 profiles
    ASSERT_TRUE(hits);
    EXPECT_EQ(*hits, (std::vector<SearchHit>{{"batman", "Arcade"},
                                             {"MAN OF WAR", "Konami"},
                                             {"Pac-Man", "Arcade"},
                                             {"Pac-Man", "Konami"}}));
    // Blanks inside count; only the name is searched.
    EXPECT_EQ(search.find("man o")->size(), 1u);
    EXPECT_TRUE(search.find("msx")->empty());
    EXPECT_EQ(search.find("NO BARS")->front().profile, "only a name, no bars");

    EXPECT_FALSE(search.find("   "));
    EXPECT_EQ(search.lastText(), "");
}
