// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "model/DatabaseName.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {

Game profile(const std::string& name, const std::string& rom = "x.rom") {
    Game g;
    g.name = name;
    g.slot1File = rom;
    return g;
}

std::string line(const std::string& name, const std::string& rom = "x.rom") {
    return profile(name, rom).ToLine() + "\r\n";
}

class DatabaseStoreTest : public ::testing::Test {
protected:
    TempDir dir;
    DatabaseStore store{dir.path()};

    std::vector<std::string> names(const std::string& db) {
        std::vector<std::string> out;
        for (const Game& g : DatabaseStore::readProfiles(dir.file(db + ".db")))
            out.push_back(g.name);
        return out;
    }
    // Every entry of the base directory with its content.
    std::map<std::string, std::string> files() const {
        std::map<std::string, std::string> out;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            out[entry.path().filename().string()] = readFile(entry.path().string());
        return out;
    }
    // Makes every rewrite of db fail, even for root: its temporary file name is a folder.
    void blockRewrites(const std::string& db) {
        std::filesystem::create_directory(dir.file(db + ".db.tmp"));
    }
};

}  // namespace

TEST_F(DatabaseStoreTest, ListsCountsAndCreates) {
    dir.write("Games.db", line("A") + "\r\n" + line("B"));
    dir.write("Games_0.db", line("A"));
    dir.write("Other.db", "A|\nB|\n\nC|");
    dir.write("notes.txt", "x");
    std::filesystem::create_directory(dir.file("Folder.db"));

    EXPECT_EQ(store.databaseList(), (std::vector<std::string>{"Games.db", "Other.db"}));
    EXPECT_EQ(store.countProfiles("Games.db"), 2);
    EXPECT_EQ(store.countProfiles("Missing.db"), 0);
    EXPECT_EQ(store.countAllProfiles(), 5);
    EXPECT_EQ(names("Games"), (std::vector<std::string>{"A", "B"}));

    EXPECT_EQ(store.createEmptyDatabase("Games"), CreateResult::AlreadyListed);
    EXPECT_EQ(readFile(dir.file("Games.db")), line("A") + "\r\n" + line("B"));
    EXPECT_EQ(store.createEmptyDatabase("New"), CreateResult::Created);
    EXPECT_EQ(store.databaseList().back(), "New.db");
    EXPECT_TRUE(std::filesystem::exists(dir.file("New.db")));
    EXPECT_EQ(store.createEmptyDatabase("no/such/dir"), CreateResult::Failed);
}

TEST_F(DatabaseStoreTest, OnlyTheExactExtensionMakesADatabase) {
    // Every operation opens name + ".db"; a file in other letters would be listed and then never
    // touched, and saving to it would start a second file.
    dir.write("Arcade.DB", line("A") + line("B"));
    dir.write("Arcade_0.DB", line("A"));
    dir.write("Arcade_1.Db", line("A"));
    dir.write("Games.db", line("G"));
    EXPECT_EQ(store.databaseList(), (std::vector<std::string>{"Games.db"}));
    EXPECT_EQ(store.countAllProfiles(), 1);

    EXPECT_EQ(store.restoreDatabase("Arcade"), FileResult::Failed);
    EXPECT_EQ(store.backupDatabase("Arcade"), BackupResult::NoDatabase);
    EXPECT_EQ(store.renameDatabaseFiles("Arcade", "Old"), FileResult::Done);
    EXPECT_EQ(store.deleteDatabaseFiles("Arcade", true), FileResult::Done);
    for (const char* file : {"Arcade.DB", "Arcade_0.DB", "Arcade_1.Db"})
        EXPECT_TRUE(std::filesystem::exists(dir.file(file))) << file;
    EXPECT_FALSE(std::filesystem::exists(dir.file("Old.DB")));
    EXPECT_EQ(readFile(dir.file("Arcade.DB")), line("A") + line("B"));
}

TEST_F(DatabaseStoreTest, SaveReplacesAProfileOfTheSameNameOnlyWhenTold) {
    const std::string original = line("A", "old.rom") + line("B");
    dir.write("Games.db", original);
    const std::string db = dir.file("Games.db");

    const SaveOutcome kept = store.saveProfile(profile("A", "new.rom"), db, std::nullopt);
    EXPECT_EQ(kept.result, SaveResult::NotWritten);
    EXPECT_EQ(kept.error, StoreError::Exists);
    EXPECT_EQ(readFile(db), original);

    const SaveOutcome replaced =
        store.saveProfile(profile("A", "new.rom"), db, std::nullopt, OnExisting::Replace);
    EXPECT_EQ(replaced.result, SaveResult::Written);
    EXPECT_EQ(replaced.error, StoreError::None);
    EXPECT_EQ(readFile(db), line("B") + line("A", "new.rom"));

    EXPECT_EQ(store.saveProfile(profile("C"), dir.file("Fresh.db"), std::nullopt).result,
              SaveResult::Written);
    EXPECT_EQ(readFile(dir.file("Fresh.db")), line("C"));
}

TEST_F(DatabaseStoreTest, EditingRewritesAtomically) {
    dir.write("Games.db", line("A") + line("B") + line("C"));
    const std::string db = dir.file("Games.db");

    EXPECT_EQ(store.saveProfile(profile("A", "edited.rom"), db, std::string("A")).result,
              SaveResult::Written);
    EXPECT_EQ(readFile(db), line("B") + line("C") + line("A", "edited.rom"));

    const std::string before = readFile(db);
    const SaveOutcome taken = store.saveProfile(profile("C"), db, std::string("B"));
    EXPECT_EQ(taken.result, SaveResult::NotWritten);
    EXPECT_EQ(taken.error, StoreError::NameTaken);
    EXPECT_EQ(readFile(db), before);

    EXPECT_EQ(store.saveProfile(profile("Z"), db, std::string("B")).result, SaveResult::Written);
    EXPECT_EQ(names("Games"), (std::vector<std::string>{"C", "A", "Z"}));

    blockRewrites("Games");
    const std::string kept = readFile(db);
    const SaveOutcome blocked = store.saveProfile(profile("A", "lost?.rom"), db, std::string("A"));
    EXPECT_EQ(blocked.result, SaveResult::NotWritten);
    EXPECT_EQ(blocked.error, StoreError::FileIo);
    EXPECT_EQ(readFile(db), kept);
}

TEST_F(DatabaseStoreTest, RemoveKeepsOrderAndReportsFailures) {
    dir.write("Games.db", line("A") + "\n" + line("B") + line("C") + line("A") + line("D"));
    const std::string db = dir.file("Games.db");
    EXPECT_TRUE(store.removeProfiles(db, {"A", "C"}));
    EXPECT_EQ(readFile(db), line("B") + line("D"));
    EXPECT_FALSE(std::filesystem::exists(db + ".tmp"));

    EXPECT_FALSE(store.removeProfiles(dir.file("Missing.db"), {"A"}));

    blockRewrites("Games");
    EXPECT_FALSE(store.removeProfiles(db, {"B"}));
    EXPECT_EQ(readFile(db), line("B") + line("D"));
}

TEST_F(DatabaseStoreTest, BackupsRestoreDeleteAndRename) {
    EXPECT_EQ(store.backupDatabase("Games"), BackupResult::NoDatabase);
    dir.write("Games.db", "v1\r\n");
    dir.write("Games2.db", "other\r\n");
    EXPECT_EQ(store.backupDatabase("Games"), BackupResult::Done);
    EXPECT_EQ(readFile(dir.file("Games_0.db")), "v1\r\n");
    dir.write("Games_3.db", "v3\r\n");
    dir.write("Games.db", "v4\r\n");
    EXPECT_EQ(store.backupDatabase("Games"), BackupResult::Done);
    EXPECT_EQ(readFile(dir.file("Games_4.db")), "v4\r\n");

    dir.write("Games.db", "broken\r\n");
    EXPECT_EQ(store.restoreDatabase("Games"), FileResult::Done);
    EXPECT_EQ(readFile(dir.file("Games.db")), "v4\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("Games_4.db")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("Games_0.db")));
    EXPECT_EQ(store.restoreDatabase("Games2"), FileResult::Failed);

    dir.write("Games2_0.db", "other backup\r\n");
    store.setCurrentDatabase("Games");
    EXPECT_EQ(store.deleteDatabaseFiles("Games", false), FileResult::Done);
    EXPECT_TRUE(std::filesystem::exists(dir.file("Games.db")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("Games_0.db")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("Games_3.db")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("Games2_0.db")));
    EXPECT_EQ(store.currentDatabaseName(), "Games");

    ASSERT_EQ(store.backupDatabase("Games"), BackupResult::Done);
    EXPECT_EQ(store.databaseList(), (std::vector<std::string>{"Games.db", "Games2.db"}));
    EXPECT_EQ(store.renameDatabaseFiles("Games", "Arcade"), FileResult::Done);
    EXPECT_TRUE(std::filesystem::exists(dir.file("Arcade.db")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("Arcade_0.db")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("Games2.db")));
    EXPECT_EQ(store.currentDatabaseName(), "Arcade");
    EXPECT_EQ(store.databaseList(), (std::vector<std::string>{"Arcade.db", "Games2.db"}));
    EXPECT_EQ(store.renameDatabaseFiles("Arcade", "Games2"), FileResult::Failed);
    EXPECT_EQ(readFile(dir.file("Games2.db")), "other\r\n");

    EXPECT_EQ(store.deleteDatabaseFiles("Arcade", true), FileResult::Done);
    EXPECT_EQ(store.currentDatabaseName(), "");
    EXPECT_EQ(store.databaseList(), (std::vector<std::string>{"Games2.db"}));
    EXPECT_FALSE(std::filesystem::exists(dir.file("Arcade_0.db")));
}

TEST_F(DatabaseStoreTest, OnlyNumberedBackupsGoWithTheirDatabase) {
    using Files = std::map<std::string, std::string>;
    dir.write("Games.db", "db\r\n");
    dir.write("Games_0.db", "backup 0\r\n");
    dir.write("Games_3.db", "backup 3\r\n");
    // Put there by hand: no restore would bring them back, so they are no one's backups.
    const Files byHand{{"Games_old.db", "old\r\n"},
                       {"Games_1x.db", "1x\r\n"},
                       {"Arcade_old.db", "arcade old\r\n"}};
    for (const auto& [file, content] : byHand)
        dir.write(file, content);
    EXPECT_EQ(store.databaseList(), (std::vector<std::string>{"Games.db"}));
    EXPECT_EQ(store.countBackups("Games"), 2);

    // A file of that name beside the new one is no reason to refuse the rename.
    EXPECT_EQ(store.renameDatabaseFiles("Games", "Arcade"), FileResult::Done);
    Files expected = byHand;
    expected.insert({{"Arcade.db", "db\r\n"},
                     {"Arcade_0.db", "backup 0\r\n"},
                     {"Arcade_3.db", "backup 3\r\n"}});
    EXPECT_EQ(files(), expected);

    EXPECT_EQ(store.deleteDatabaseFiles("Arcade", false), FileResult::Done);
    expected.erase("Arcade_0.db");
    expected.erase("Arcade_3.db");
    EXPECT_EQ(files(), expected);
    EXPECT_EQ(store.deleteDatabaseFiles("Arcade", true), FileResult::Done);
    EXPECT_EQ(files(), byHand);
}

TEST_F(DatabaseStoreTest, BackupsStopAtTheLargestNumberTheLongestNameCanReach) {
    // A larger number would make a file that no count, delete or restore takes for a backup.
    dir.write("Games.db", "db\r\n");
    dir.write("Games_999999999.db", "last\r\n");
    EXPECT_EQ(store.backupDatabase("Games"), BackupResult::Failed);
    EXPECT_EQ(store.countBackups("Games"), 1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("Games_1000000000.db")));

    // The longest name that is accepted still takes every file its database can make.
    const std::string longest(238, 'n');
    ASSERT_EQ(validDatabaseName(longest), longest);
    EXPECT_EQ(validDatabaseName(longest + "n"), std::nullopt);
    ASSERT_EQ(store.createEmptyDatabase(longest), CreateResult::Created);
    const std::string db = dir.file(longest + ".db");
    EXPECT_EQ(store.saveProfile(profile("A"), db, std::nullopt).result, SaveResult::Written);
    EXPECT_TRUE(store.removeProfiles(db, {"B"}));
    dir.write(longest + "_999999998.db", "");
    EXPECT_EQ(store.backupDatabase(longest), BackupResult::Done);
    EXPECT_EQ(readFile(dir.file(longest + "_999999999.db")), line("A"));
    EXPECT_EQ(store.restoreDatabase(longest), FileResult::Done);
    EXPECT_EQ(readFile(db), line("A"));
}

TEST_F(DatabaseStoreTest, ARenameMovesAllFilesOfADatabaseOrNone) {
    auto files = [this] {
        std::map<std::string, std::string> out;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            out[entry.path().filename().string()] = readFile(entry.path().string());
        return out;
    };
    dir.write("Old.db", "db\r\n");
    dir.write("Old_0.db", "backup 0\r\n");
    dir.write("New_0.db", "stray\r\n");
    store.setCurrentDatabase("Old");
    ASSERT_EQ(store.databaseList(), (std::vector<std::string>{"Old.db"}));
    const auto before = files();
    // New_0.db is taken, so nothing moves, not even Old.db whose new name is free.
    EXPECT_EQ(store.renameDatabaseFiles("Old", "New"), FileResult::Failed);
    EXPECT_EQ(files(), before);
    EXPECT_EQ(store.currentDatabaseName(), "Old");
    EXPECT_EQ(store.databaseList(), (std::vector<std::string>{"Old.db"}));

    // The third new name is too long for the file system: only its rename fails, after two
    // others went through, and those two are put back.
    std::filesystem::remove(dir.file("New_0.db"));
    dir.write("Old_123456789.db", "backup 123456789\r\n");
    const std::string longName(245, 'n');
    const auto withLongBackup = files();
    EXPECT_EQ(store.renameDatabaseFiles("Old", longName), FileResult::Failed);
    EXPECT_EQ(files(), withLongBackup);
    EXPECT_EQ(store.currentDatabaseName(), "Old");

    EXPECT_EQ(store.renameDatabaseFiles("Old", "New"), FileResult::Done);
    EXPECT_EQ(files(),
              (std::map<std::string, std::string>{{"New.db", "db\r\n"},
                                                  {"New_0.db", "backup 0\r\n"},
                                                  {"New_123456789.db", "backup 123456789\r\n"}}));
    EXPECT_EQ(store.currentDatabaseName(), "New");
}

TEST_F(DatabaseStoreTest, AppendingCompletesTheLastLineAndAFailedAppendLeavesNoTrace) {
    const std::string db = dir.write("Games.db", profile("A").ToLine());  // no line end
    EXPECT_EQ(store.saveProfile(profile("B"), db, std::nullopt).result, SaveResult::Written);
    EXPECT_EQ(readFile(db), line("A") + line("B"));

    const std::string before = readFile(db);
    const Game large = profile("Large", std::string(8000, 'r'));
    EXPECT_TRUE(passesWithFileSizeLimit(4096, [&] {
        const SaveOutcome saved = store.saveProfile(large, db, std::nullopt);
        return saved.result == SaveResult::NotWritten && saved.error == StoreError::FileIo;
    }));
    EXPECT_TRUE(readFile(db) == before);
}

TEST_F(DatabaseStoreTest, AFailedBackupLeavesNothingToRestore) {
    const std::string content = line("A", std::string(10000, 'r'));
    const std::string db = dir.write("Games.db", content);
    EXPECT_TRUE(passesWithFileSizeLimit(
        4096, [&] { return store.backupDatabase("Games") == BackupResult::Failed; }));
    EXPECT_FALSE(std::filesystem::exists(dir.file("Games_0.db")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("Games_0.db.tmp")));
    EXPECT_EQ(store.restoreDatabase("Games"), FileResult::Failed);
    EXPECT_TRUE(readFile(db) == content);

    // Whatever stands under a backup's name keeps it: the number goes past it.
    std::filesystem::create_directory(dir.file("Games_0.db"));
    ::chmod(db.c_str(), 0600);
    EXPECT_EQ(store.backupDatabase("Games"), BackupResult::Done);
    EXPECT_TRUE(readFile(dir.file("Games_1.db")) == content);
    EXPECT_EQ(std::filesystem::status(dir.file("Games_1.db")).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(DatabaseStoreTest, ALinkedDatabaseStaysALinkWithItsPermissions) {
    namespace fs = std::filesystem;
    const std::string real = dir.write("elsewhere/Games.db", line("A") + line("B") + line("C"));
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    const std::string db = dir.file("Games.db");
    fs::create_symlink("elsewhere/Games.db", db);
    const auto stillLinked = [&] {
        return fs::is_symlink(db) &&
               fs::status(real).permissions() == (fs::perms::owner_read | fs::perms::owner_write);
    };

    EXPECT_TRUE(store.removeProfiles(db, {"B"}));
    EXPECT_TRUE(stillLinked());
    EXPECT_EQ(store.saveProfile(profile("A", "edited.rom"), db, std::string("A")).result,
              SaveResult::Written);
    EXPECT_EQ(store.saveProfile(profile("D"), db, std::nullopt).result, SaveResult::Written);
    EXPECT_TRUE(stillLinked());
    EXPECT_EQ(readFile(real), line("C") + line("A", "edited.rom") + line("D"));

    EXPECT_EQ(store.backupDatabase("Games"), BackupResult::Done);
    EXPECT_TRUE(store.removeProfiles(db, {"C", "D"}));
    EXPECT_EQ(store.restoreDatabase("Games"), FileResult::Done);
    EXPECT_TRUE(stillLinked());
    EXPECT_EQ(readFile(real), line("C") + line("A", "edited.rom") + line("D"));
    EXPECT_FALSE(fs::exists(dir.file("Games_0.db")));
}

TEST_F(DatabaseStoreTest, ADatabaseThatCannotBeReadIsNeitherRewrittenNorAppendedTo) {
    const std::string content = line("A") + line("B");
    const std::string db = dir.write("Games.db", content);
    // Writable but not readable: its names cannot be checked, so a duplicate could slip in.
    ::chmod(db.c_str(), 0200);
    EXPECT_TRUE(passesObeyingPermissions([&] {
        const auto unreadable = [](const SaveOutcome& saved) {
            return saved.result == SaveResult::NotWritten && saved.error == StoreError::FileIo;
        };
        return unreadable(store.saveProfile(profile("A"), db, std::nullopt)) &&
               !store.removeProfiles(db, {"B"}) &&
               unreadable(store.saveProfile(profile("A"), db, std::string("B")));
    }));
    EXPECT_EQ(readFile(db), content);
}

TEST_F(DatabaseStoreTest, EmptyFilesLfOnlyAndHugeLinesAreDatabasesLikeAnyOther) {
    const std::string empty = dir.write("Empty.db", "");
    EXPECT_EQ(store.databaseList(), std::vector<std::string>{"Empty.db"});
    EXPECT_EQ(store.countProfiles("Empty.db"), 0);
    EXPECT_EQ(store.saveProfile(profile("A"), empty, std::nullopt).result, SaveResult::Written);
    EXPECT_EQ(readFile(empty), line("A"));

    // A 16 MB line is one profile, kept whole through a rewrite; LF alone ends a line, and the
    // last line needs no end.
    const std::string huge = profile("Huge", std::string(16 << 20, 'h')).ToLine();
    const std::string db = dir.write("Big.db", profile("Small").ToLine() + "\n" + huge);
    EXPECT_EQ(store.countProfiles("Big.db"), 2);
    EXPECT_EQ(names("Big"), (std::vector<std::string>{"Small", "Huge"}));
    EXPECT_TRUE(store.removeProfiles(db, {"Small"}));
    EXPECT_TRUE(readFile(db) == huge + "\r\n");
    EXPECT_EQ(store.saveProfile(profile("Next"), db, std::nullopt).result, SaveResult::Written);
    EXPECT_EQ(names("Big"), (std::vector<std::string>{"Huge", "Next"}));
}
