// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DatabaseOperations.h"

#include "app/OperationsFixture.h"
#include "support/ChildProcess.h"

using namespace corvane;
using namespace corvane::test;

namespace {

class DatabaseOperationsTest : public OperationsFixture {
protected:
    DatabaseOperations operations{store, favorites, cache};
};

}  // namespace

TEST_F(DatabaseOperationsTest, ARenamedDatabaseKeepsBackupsFavoritesSha1sAndBeingCurrent) {
    dir.write("Games.db", line("A"));
    dir.write("Games_0.db", line("A"));
    dir.write("Games2.db", line("A"));
    dir.write("favorites.bml", "A|Games\r\nA|Games2\r\n");
    cache.store("A", "Games", kAbcSha1);
    cache.store("A", "Games2", kAbcSha1);
    store.setCurrentDatabase("Games");
    ASSERT_EQ(store.databaseList(), (List{"Games.db", "Games2.db"}));

    // Refused names and a taken one change nothing anywhere.
    EXPECT_EQ(operations.renameDatabase("Games", "   "), OperationResult::InvalidName);
    EXPECT_EQ(operations.renameDatabase("Games", "Old_Games"), OperationResult::InvalidName);
    EXPECT_EQ(operations.renameDatabase("Games", "Games2"), OperationResult::RenameFailed);
    EXPECT_EQ(favoriteList(), (List{"A|Games", "A|Games2"}));
    EXPECT_TRUE(cache.contains("A", "Games"));
    EXPECT_EQ(store.currentDatabaseName(), "Games");

    EXPECT_EQ(operations.renameDatabase("Games", "  Arcade "), OperationResult::Done);
    EXPECT_TRUE(exists("Arcade.db") && exists("Arcade_0.db"));
    EXPECT_FALSE(exists("Games.db") || exists("Games_0.db"));
    EXPECT_EQ(store.databaseList(), (List{"Arcade.db", "Games2.db"}));
    EXPECT_EQ(store.currentDatabaseName(), "Arcade");
    EXPECT_EQ(readFile(favorites.path()), "A|Arcade\r\nA|Games2\r\n");
    EXPECT_FALSE(cache.contains("A", "Games"));
    EXPECT_EQ(cache.find("A", "Arcade"), kAbcSha1);

    EXPECT_EQ(operations.renameDatabase("Games2", "Other"), OperationResult::Done);
    EXPECT_EQ(store.currentDatabaseName(), "Arcade");
    EXPECT_EQ(favoriteList(), (List{"A|Arcade", "A|Other"}));
}

TEST_F(DatabaseOperationsTest, DeletingBackupsKeepsTheDatabaseDeletingItTakesItsFavorites) {
    for (const char* file : {"Games.db", "Games_0.db", "Games_1.db", "Games2.db", "Games2_0.db"})
        dir.write(file, line("A"));
    dir.write("favorites.bml", "A|Games\r\nA|Games2\r\n");
    cache.store("A", "Games2", kAbcSha1);
    store.setCurrentDatabase("Games");
    ASSERT_EQ(store.databaseList().size(), 2u);

    EXPECT_EQ(operations.deleteDatabase("Games", false), OperationResult::Done);
    EXPECT_TRUE(exists("Games.db"));
    EXPECT_FALSE(exists("Games_0.db") || exists("Games_1.db"));
    EXPECT_TRUE(exists("Games2_0.db"));
    EXPECT_EQ(favoriteList(), (List{"A|Games", "A|Games2"}));
    EXPECT_EQ(store.currentDatabaseName(), "Games");

    cache.store("A", "Games", kAbcSha1);
    EXPECT_EQ(operations.deleteDatabase("Games", true), OperationResult::Done);
    EXPECT_FALSE(exists("Games.db"));
    EXPECT_EQ(store.currentDatabaseName(), "");
    EXPECT_EQ(store.databaseList(), List{"Games2.db"});
    EXPECT_EQ(readFile(favorites.path()), "A|Games2\r\n");
    EXPECT_FALSE(cache.contains("A", "Games"));
    EXPECT_TRUE(cache.contains("A", "Games2"));

    // Another database than the current one leaves the current one alone.
    store.setCurrentDatabase("Games2");
    dir.write("Spare.db", "");
    EXPECT_EQ(operations.deleteDatabase("Spare", true), OperationResult::Done);
    EXPECT_EQ(store.currentDatabaseName(), "Games2");
}

TEST_F(DatabaseOperationsTest, ADatabaseNameIsNeverTakenForAFileName) {
    // Made before such names were refused: Demo.db holds the database Demo, Demo.db.db the
    // database "Demo.db".
    dir.write("Demo.db", line("A"));
    const std::string eight = line("1") + line("2") + line("3") + line("4") + line("5") +
                              line("6") + line("7") + line("8");
    dir.write("Demo.db.db", eight);
    EXPECT_EQ(operations.overwriteDatabase("Demo.db", {profile("B")}, OverwriteMode::Replace, true),
              OperationResult::Done);
    EXPECT_EQ(readFile(dir.file("Demo.db_0.db")), eight);
    EXPECT_FALSE(exists("Demo_0.db"));
    EXPECT_EQ(readFile(dir.file("Demo.db")), line("A"));
    EXPECT_EQ(names("Demo.db"), List{"B"});

    // Its own name is no change, whether or not a new database could have it.
    EXPECT_EQ(operations.renameDatabase("Demo.db", " Demo.db "), OperationResult::NothingDone);
    EXPECT_EQ(operations.renameDatabase("Demo", "Demo"), OperationResult::NothingDone);
    // New names that read as a file name, or that leave no room for the backups' files.
    for (const std::string& bad : {std::string("Other.DB"), std::string(239, 'n')}) {
        EXPECT_EQ(operations.renameDatabase("Demo", bad), OperationResult::InvalidName);
        EXPECT_EQ(operations.overwriteDatabase(bad, {}, OverwriteMode::Replace, false),
                  OperationResult::InvalidName);
    }
    EXPECT_EQ(readFile(dir.file("Demo.db")), line("A"));
    EXPECT_EQ(names("Demo.db"), List{"B"});
    EXPECT_EQ(store.databaseList().size(), 2u);
}

TEST_F(DatabaseOperationsTest, AFailedDeleteKeepsTheDatabaseAndItsFavorites) {
    dir.write("Games.db", line("A"));
    dir.write("Games_0.db", line("A"));
    dir.write("favorites.bml", "A|Games\r\n");
    store.setCurrentDatabase("Games");
    const bool kept = passesObeyingPermissions([&] {
        // Nothing can leave a folder that may not be written.
        std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        return operations.deleteDatabase("Games", true) == OperationResult::DeleteFailed &&
               exists("Games.db") && store.currentDatabaseName() == "Games" &&
               favoriteList() == List{"A|Games"};
    });
    EXPECT_TRUE(kept);
}

TEST_F(DatabaseOperationsTest, ARestoredDatabaseForgetsTheSha1sOfTheProfilesItReplaced) {
    dir.write("Games.db", line("A"));
    dir.write("Games_0.db", line("A", "empty.rom"));
    dir.write("favorites.bml", "A|Games\r\n");
    store.setCurrentDatabase("Games");
    EXPECT_EQ(cache.get(profile("A"), "Games"), kAbcSha1);

    EXPECT_EQ(operations.restoreDatabase("Games"), OperationResult::Done);
    const Game restored = DatabaseStore::readProfiles(dir.file("Games.db")).at(0);
    EXPECT_EQ(cache.get(restored, "Games"), kEmptySha1);
    EXPECT_EQ(favoriteList(), List{"A|Games"});
    EXPECT_EQ(store.currentDatabaseName(), "Games");

    EXPECT_EQ(operations.restoreDatabase("Games"), OperationResult::RestoreFailed);
    EXPECT_EQ(readFile(dir.file("Games.db")), line("A", "empty.rom"));
}

TEST_F(DatabaseOperationsTest, AnUpdatedDatabaseKeepsWhatStillHoldsForItsProfiles) {
    const std::string original = line("A") + line("B") + line("C");
    dir.write("Games.db", original);
    dir.write("favorites.bml", "A|Games\r\nC|Games\r\nC|Other\r\n");
    for (const char* name : {"A", "B", "C"})
        cache.store(name, "Games", kAbcSha1);
    store.setCurrentDatabase("Other");

    // A keeps its medium, B gets another, C is gone, D is new.
    const std::vector<Game> updated{profile("A"), profile("B", "empty.rom"), profile("D")};
    EXPECT_EQ(operations.overwriteDatabase("Games", updated, OverwriteMode::Update, true),
              OperationResult::Done);
    EXPECT_EQ(readFile(dir.file("Games_0.db")), original);
    EXPECT_EQ(names("Games"), (List{"A", "B", "D"}));
    EXPECT_EQ(readFile(favorites.path()), "A|Games\r\nC|Other\r\n");
    EXPECT_TRUE(cache.contains("A", "Games"));
    EXPECT_FALSE(cache.contains("B", "Games"));
    EXPECT_FALSE(cache.contains("C", "Games"));
    EXPECT_EQ(store.currentDatabaseName(), "Other");

    // Without its backup, or when it cannot be written, the database stays as it was.
    const std::string before = readFile(dir.file("Games.db"));
    block("Games_1.db.tmp");
    EXPECT_EQ(operations.overwriteDatabase("Games", {profile("X")}, OverwriteMode::Update, true),
              OperationResult::BackupFailed);
    block("Games.db.tmp");
    EXPECT_EQ(operations.overwriteDatabase("Games", {profile("X")}, OverwriteMode::Update, false),
              OperationResult::FileError);
    EXPECT_EQ(readFile(dir.file("Games.db")), before);
    EXPECT_EQ(favoriteList(), (List{"A|Games", "C|Other"}));
    EXPECT_TRUE(cache.contains("A", "Games"));
}

TEST_F(DatabaseOperationsTest, AReplacedDatabaseLosesItsFavoritesAndSha1s) {
    dir.write("Games.db", line("A") + line("B"));
    dir.write("favorites.bml", "A|Games\r\nA|Other\r\n");
    cache.store("A", "Games", kAbcSha1);
    cache.store("A", "Other", kAbcSha1);
    store.setCurrentDatabase("Other");
    ASSERT_EQ(store.databaseList(), List{"Games.db"});

    EXPECT_EQ(operations.overwriteDatabase("Games", {profile("A", "empty.rom")},
                                           OverwriteMode::Replace, false),
              OperationResult::Done);
    EXPECT_EQ(names("Games"), List{"A"});
    EXPECT_FALSE(exists("Games_0.db"));
    EXPECT_EQ(readFile(favorites.path()), "A|Other\r\n");
    EXPECT_FALSE(cache.contains("A", "Games"));
    EXPECT_TRUE(cache.contains("A", "Other"));

    // A new name makes a new listed database; names that could not be one are refused.
    EXPECT_EQ(operations.overwriteDatabase("Fresh", {}, OverwriteMode::Replace, true),
              OperationResult::Done);
    EXPECT_EQ(readFile(dir.file("Fresh.db")), "");
    EXPECT_EQ(store.databaseList(), (List{"Games.db", "Fresh.db"}));
    for (const char* bad : {"", " Padded", "../Outside", "With_Underscore"})
        EXPECT_EQ(operations.overwriteDatabase(bad, {profile("A")}, OverwriteMode::Replace, false),
                  OperationResult::InvalidName)
            << bad;
    EXPECT_FALSE(exists("../Outside.db"));
    EXPECT_EQ(store.currentDatabaseName(), "Other");
}
