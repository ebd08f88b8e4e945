// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/Favorites.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace corvane {
void PrintTo(const Favorite& f, std::ostream* os) {
    *os << f.profile << "|" << f.database;
}
}  // namespace corvane

using namespace corvane;
using test::readFile;
using List = std::vector<Favorite>;

TEST(FavoritesTest, OncePerPairReadBackAndNoBarsStored) {
    test::TempDir dir;
    dir.write("favorites.bml", "A|One|extra\r\n\r\nNoDatabase\n");
    Favorites store(dir.path());
    EXPECT_EQ(store.items(), (List{{"A", "One"}, {"NoDatabase", ""}}));
    EXPECT_EQ(store.add("A", "One"), FavoriteResult::Unchanged);
    EXPECT_EQ(store.add("A", "Other"), FavoriteResult::Written);
    EXPECT_EQ(store.add("Pac|Man", "One"), FavoriteResult::Invalid);
    EXPECT_EQ(store.add("Pac-Man", "O|ne"), FavoriteResult::Invalid);
    EXPECT_EQ(readFile(store.path()), "A|One\r\nNoDatabase|\r\nA|Other\r\n");
    EXPECT_EQ(Favorites::popupCaption(store.items()[0]), "A   [One]");
}

TEST(FavoritesTest, FavoritesFollowRemoveMoveAndRename) {
    test::TempDir dir;
    Favorites store(dir.path());
    for (const auto& [profile, database] :
         List{{"A", "Games"}, {"B", "Games"}, {"C", "Games"}, {"A", "Other"}, {"C", "Target"}})
        store.add(profile, database);

    EXPECT_EQ(store.removeProfiles({"A", "Z"}, "Games"), FavoriteResult::Written);
    EXPECT_EQ(store.removeProfiles({"Z"}, "Games"), FavoriteResult::Unchanged);
    // C was a favorite in the target already: it must not be listed twice.
    EXPECT_EQ(store.moveProfiles({"B", "C"}, "Games", "Target"), FavoriteResult::Written);
    EXPECT_EQ(store.items(), (List{{"B", "Target"}, {"A", "Other"}, {"C", "Target"}}));
    EXPECT_EQ(store.renameDatabase("Target", "Renamed"), FavoriteResult::Written);
    EXPECT_EQ(store.renameDatabase("Target", "Renamed"), FavoriteResult::Unchanged);
    EXPECT_EQ(store.removeOne("A", "Other"), FavoriteResult::Written);
    EXPECT_EQ(Favorites(dir.path()).items(), (List{{"B", "Renamed"}, {"C", "Renamed"}}));
    EXPECT_EQ(store.removeDatabase("Renamed"), FavoriteResult::Written);
    EXPECT_EQ(readFile(store.path()), "");
}

TEST(FavoritesTest, SortRunsProfileAndDatabaseTogetherIgnoringCase) {
    test::TempDir dir;
    Favorites store(dir.path());
    for (const auto& [profile, database] :
         List{{"B", "b"}, {"b", "A"}, {"a", "Z"}, {"A", "z"}, {"ab", "C"}})
        store.add(profile, database);
    EXPECT_TRUE(store.sort());
    // "bA" before "Bb"; "abC" before "aZ", which a sort by profile first would not give; "aZ"
    // and "Az" are equal and keep their order.
    EXPECT_EQ(Favorites(dir.path()).items(),
              (List{{"ab", "C"}, {"a", "Z"}, {"A", "z"}, {"b", "A"}, {"B", "b"}}));
}

TEST(FavoritesTest, AFailedWriteKeepsTheFileAndTheChangeInMemory) {
    test::TempDir dir;
    Favorites store(dir.path());
    ASSERT_EQ(store.add("A", "Games"), FavoriteResult::Written);
    std::filesystem::create_directory(store.path() + ".tmp");
    EXPECT_EQ(store.add("B", "Games"), FavoriteResult::WriteFailed);
    EXPECT_EQ(readFile(store.path()), "A|Games\r\n");
    EXPECT_EQ(store.items().size(), 2u);
}

TEST(FavoritesTest, AFileThatCannotBeReadIsNeverRewritten) {
    test::TempDir dir;
    const std::string content = "A|Games\r\nB|Games\r\nC|Other\r\n";
    const std::string path = dir.write(Favorites::kFileName, content);
    ::chmod(path.c_str(), 0);
    EXPECT_TRUE(test::passesObeyingPermissions([&] {
        Favorites store(dir.path());
        return store.items().empty() && store.add("D", "Games") == FavoriteResult::WriteFailed &&
               !store.sort() && store.items().size() == 1;
    }));
    ::chmod(path.c_str(), 0600);
    EXPECT_EQ(readFile(path), content);
}

TEST(FavoritesTest, AFavoriteFollowsItsRenamedProfileAndIsNeverListedTwice) {
    test::TempDir dir;
    Favorites store(dir.path());
    for (const auto& [profile, database] :
         List{{"A", "Games"}, {"A", "Other"}, {"B", "Games"}, {"C", "Games"}})
        store.add(profile, database);
    EXPECT_EQ(store.renameProfile("A", "Z", "Games"), FavoriteResult::Written);
    // C had a favorite of its own already: B's goes rather than doubling it.
    EXPECT_EQ(store.renameProfile("B", "C", "Games"), FavoriteResult::Written);
    EXPECT_EQ(store.renameProfile("Gone", "Y", "Games"), FavoriteResult::Unchanged);
    EXPECT_EQ(store.renameProfile("Z", "Z|Games", "Games"), FavoriteResult::Invalid);
    EXPECT_EQ(Favorites(dir.path()).items(),
              (List{{"Z", "Games"}, {"A", "Other"}, {"C", "Games"}}));
}
