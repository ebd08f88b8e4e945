// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/DatabaseCounts.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/DatabaseStore.h"
#include "support/TempDir.h"

namespace corvane {
namespace {

TEST(DatabaseCountsTest, ProfilesAndNumberedBackupsOfEachDatabaseAndTheTotals) {
    test::TempDir dir;
    // Empty lines are no profiles; the last line needs no line end.
    dir.write("Games.db", "A|x\r\n\r\nB|x\r\nC|x");
    dir.write("Games_0.db", "A\r\n");
    dir.write("Games_12.db", "A\r\n");
    // Neither is a backup of Games: no number, or the name of another database.
    dir.write("Games_old.db", "A\r\n");
    dir.write("GamesPlus_1.db", "A\r\n");
    dir.write("GamesPlus.db", "Z|x\r\n");
    dir.write("Empty.db", "");
    dir.write("Games_3.txt", "A\r\n");
    std::filesystem::create_directory(dir.file("Games_4.db"));

    DatabaseStore store(dir.path());
    const DatabaseCounts counts = countDatabases(store);
    ASSERT_EQ(counts.totalDatabases(), 3);
    const DatabaseCount& games = counts.databases[static_cast<size_t>(counts.indexOf("Games"))];
    EXPECT_EQ(games.profiles, 3);
    EXPECT_EQ(games.backups, 2);
    const DatabaseCount& plus = counts.databases[static_cast<size_t>(counts.indexOf("GamesPlus"))];
    EXPECT_EQ(plus.profiles, 1);
    EXPECT_EQ(plus.backups, 1);
    const DatabaseCount& empty = counts.databases[static_cast<size_t>(counts.indexOf("Empty"))];
    EXPECT_EQ(empty.profiles, 0);
    EXPECT_EQ(empty.backups, 0);
    EXPECT_EQ(counts.totalProfiles, 4);
    EXPECT_EQ(counts.totalBackups, 3);
    EXPECT_EQ(counts.indexOf("Games_0"), -1);
    EXPECT_EQ(counts.indexOf("Missing"), -1);
}

TEST(DatabaseCountsTest, NoDatabasesGiveZeroTotals) {
    test::TempDir dir;
    dir.write("Orphan_0.db", "A\r\n");
    DatabaseStore store(dir.path());
    const DatabaseCounts counts = countDatabases(store);
    EXPECT_EQ(counts.totalDatabases(), 0);
    EXPECT_EQ(counts.totalProfiles, 0);
    EXPECT_EQ(counts.totalBackups, 0);
}

}  // namespace
}  // namespace corvane
