// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/SavedFilters.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "support/ChildProcess.h"
#include "support/TempDir.h"

using namespace corvane;
using test::readFile;
using Names = std::vector<std::string>;

TEST(SavedFiltersTest, TenFieldsALineReadBackWithShortAndEmptyLines) {
    test::TempDir dir;
    SavedFilters store(dir.path());
    EXPECT_TRUE(store.filters().empty());
    FilterState rpg;
    rpg.set(FilterCriterion::Genre, "RPG");
    rpg.year = "1987";
    rpg.yearComparison = kYearEqualOrLess;
    rpg.country = "Japan";
    EXPECT_EQ(store.add("Old RPGs", rpg), SavedFilterResult::Written);
    EXPECT_EQ(readFile(store.path()),
              "Old RPGs,SELECTION_ALL,SELECTION_ALL,1987,FILTER_YR_EQ_L,Japan,SELECTION_ALL,"
              "SELECTION_ALL,SELECTION_ALL,RPG\r\n");
    EXPECT_EQ(SavedFilters(dir.path()).stateOf("Old RPGs"), rpg);

    dir.write("filters.bml", "Short,MEDIUM_ROM\r\n\r\nLf,,a,b,c,d,e,f,g,Puzzle,beyond\n,,,");
    SavedFilters hand(dir.path());
    const auto& filters = hand.filters();
    ASSERT_EQ(filters.size(), 3u);
    // Missing fields are empty, not "All".
    EXPECT_EQ(filters[0].state.medium, "MEDIUM_ROM");
    EXPECT_EQ(filters[0].state.generation, "");
    EXPECT_EQ(filters[0].state.genreName, "");
    EXPECT_EQ(filters[1].state.medium, "");
    EXPECT_EQ(filters[1].state.sound, "g");
    EXPECT_EQ(filters[1].state.genreCode, 26);
    EXPECT_EQ(filters[2].name, "");
    EXPECT_TRUE(hand.write());
    EXPECT_EQ(SavedFilters(dir.path()).filters(), filters);
    EXPECT_EQ(readFile(hand.path()).substr(0, 26), "Short,MEDIUM_ROM,,,,,,,,\r\n");
}

TEST(SavedFiltersTest, RefusesWhatWouldNotReadBack) {
    test::TempDir dir;
    SavedFilters store(dir.path());
    FilterState comma;
    comma.company = "Pony, Canyon";
    ASSERT_EQ(store.add("Konami", FilterState{}), SavedFilterResult::Written);
    const std::string before = readFile(store.path());
    EXPECT_EQ(store.add("", FilterState{}), SavedFilterResult::InvalidName);
    EXPECT_EQ(store.add("A, B", FilterState{}), SavedFilterResult::InvalidName);
    EXPECT_EQ(store.add("Two\nlines", FilterState{}), SavedFilterResult::InvalidName);
    EXPECT_EQ(store.add("Konami", FilterState{}), SavedFilterResult::Exists);
    EXPECT_EQ(store.add("Pony", comma), SavedFilterResult::InvalidText);
    EXPECT_EQ(readFile(store.path()), before);
    EXPECT_EQ(store.filters().size(), 1u);
    EXPECT_STREQ(savedFilterMessageKey(SavedFilterResult::InvalidText), "M_ERR_FILTER_COMMA");
    // Names differing in case are different names.
    EXPECT_EQ(store.add("konami", FilterState{}), SavedFilterResult::Written);
}

TEST(SavedFiltersTest, RenameRemoveAndSort) {
    test::TempDir dir;
    SavedFilters store(dir.path());
    for (const char* name : {"b", "A", "B", "a", "c"})
        ASSERT_EQ(store.add(name, FilterState{}), SavedFilterResult::Written);
    EXPECT_EQ(store.rename("c", "c"), SavedFilterResult::Exists);
    EXPECT_EQ(store.rename("c", "x,y"), SavedFilterResult::InvalidName);
    EXPECT_EQ(store.rename("gone", "new"), SavedFilterResult::NotFound);
    EXPECT_EQ(store.rename("c", "C2"), SavedFilterResult::Written);
    EXPECT_TRUE(store.sort());
    EXPECT_EQ(SavedFilters(dir.path()).names(), (Names{"A", "a", "b", "B", "C2"}));
    EXPECT_EQ(store.remove({"a", "C2", "absent"}), SavedFilterResult::Written);
    EXPECT_EQ(store.remove({"absent"}), SavedFilterResult::NotFound);
    EXPECT_EQ(SavedFilters(dir.path()).names(), (Names{"A", "b", "B"}));
}

TEST(SavedFiltersTest, AFailedWriteKeepsTheFileAndTheChangeInMemory) {
    test::TempDir dir;
    SavedFilters store(dir.path());
    ASSERT_EQ(store.add("Kept", FilterState{}), SavedFilterResult::Written);
    // No temporary file can be created where a folder of its name stands.
    std::filesystem::create_directory(store.path() + ".tmp");
    EXPECT_EQ(store.add("New", FilterState{}), SavedFilterResult::WriteFailed);
    EXPECT_FALSE(store.sort());
    EXPECT_EQ(SavedFilters(dir.path()).names(), Names{"Kept"});
    EXPECT_EQ(store.names(), (Names{"Kept", "New"}));
}

TEST(SavedFiltersTest, AFileThatCannotBeReadIsNeverRewritten) {
    test::TempDir dir;
    const std::string all =
        ",SELECTION_ALL,SELECTION_ALL,SELECTION_ALL,FILTER_YR_EQ,SELECTION_ALL,"
        "SELECTION_ALL,SELECTION_ALL,SELECTION_ALL,SELECTION_ALL\r\n";
    const std::string content = "One" + all + "Two" + all;
    const std::string path = dir.write(SavedFilters::kFileName, content);
    ::chmod(path.c_str(), 0);
    EXPECT_TRUE(test::passesObeyingPermissions([&] {
        SavedFilters store(dir.path());
        return store.filters().empty() &&
               store.add("Three", FilterState{}) == SavedFilterResult::WriteFailed &&
               store.rename("Three", "Four") == SavedFilterResult::WriteFailed && !store.sort();
    }));
    ::chmod(path.c_str(), 0600);
    EXPECT_EQ(readFile(path), content);
}
