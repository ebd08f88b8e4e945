// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "common/AtomicFile.h"
#include "common/Path.h"
#include "common/Progress.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "model/ProfileFile.h"
#include "model/RenameJournal.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"
#include "tools/FileRenameRun.h"

using namespace corvane;
using namespace corvane::test;

namespace {

constexpr std::string Game::*kMedia[] = {&Game::slot1File, &Game::diskAFile, &Game::tapeFile};

// A database of three profiles with three files each, and one line without media.
std::vector<Game> writeDatabase(const TempDir& dir) {
    std::vector<Game> profiles;
    for (const char* name : {"Alpha", "Beta", "Gamma"}) {
        Game game;
        game.name = name;
        game.company = "Maker";
        game.slot1File = dir.write(std::string(name) + "_x.rom", name);
        game.diskAFile = dir.write(std::string(name) + "_x.dsk", name);
        game.tapeFile = dir.write(std::string(name) + "_x.cas", name);
        profiles.push_back(game);
    }
    Game plain;
    plain.name = "No media";
    profiles.push_back(plain);
    std::string text;
    for (const Game& game : profiles)
        text += game.ToLine() + "\r\n";
    dir.write("games.db", text);
    return profiles;
}

std::vector<PlannedRename> planFor(const std::vector<Game>& profiles) {
    NoProgress progress;
    return planRenames(profiles,
                       {.databaseName = "games", .rule = RenameRule::ProfileName, .media = {}}, {},
                       progress)
        .renames;
}

// Runs the renames in a child that is killed (leaves at once) after the k-th rename, or before
// the first when k is 0.
void runKilledAfter(const std::string& database, const std::vector<PlannedRename>& renames,
                    size_t k) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        size_t count = 0;
        const RenameFile killing = [&](const std::string& from, const std::string& to) {
            if (k == 0)
                ::_exit(0);
            const bool renamed = renameWithoutReplacing(from, to);
            if (++count == k)
                ::_exit(0);
            return renamed;
        };
        std::vector<bool> done;
        runRenames(database, renames, killing, done);
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace

TEST(FileRenameRun, AKillAfterAnyRenameIsCompletedByRecovery) {
    const size_t total = 9;
    for (size_t k = 0; k <= total; ++k) {
        SCOPED_TRACE("killed after rename " + std::to_string(k));
        TempDir dir;
        const std::vector<Game> before = writeDatabase(dir);
        const std::string database = dir.file("games.db");
        const std::vector<PlannedRename> renames = planFor(before);
        ASSERT_EQ(renames.size(), total);
        runKilledAfter(database, renames, k);
        ASSERT_TRUE(RenameJournal(database).exists());

        EXPECT_EQ(recoverRenames(database), RecoveryResult::Completed);
        EXPECT_FALSE(RenameJournal(database).exists());
        const std::vector<Game> after = DatabaseStore::readProfiles(database);
        ASSERT_EQ(after.size(), before.size());
        size_t followed = 0;
        for (size_t p = 0; p < after.size(); ++p) {
            for (std::string Game::*field : kMedia) {
                if ((after[p].*field).empty())
                    continue;
                EXPECT_TRUE(fileExists(after[p].*field)) << after[p].*field;
                followed += after[p].*field != before[p].*field;
            }
            Game unchangedRest = after[p];
            for (std::string Game::*field : kMedia)
                unchangedRest.*field = before[p].*field;
            EXPECT_EQ(unchangedRest, before[p]);
        }
        EXPECT_EQ(followed, k);
        EXPECT_EQ(recoverRenames(database), RecoveryResult::NothingToDo);
    }
}

TEST(FileRenameRun, RecoveryAfterACompleteRunOrAFailedRenameChangesNothingMore) {
    TempDir dir;
    const std::vector<Game> before = writeDatabase(dir);
    const std::string database = dir.file("games.db");
    const std::vector<PlannedRename> renames = planFor(before);
    // The second rename fails; the others are made and the database follows them alone.
    size_t calls = 0;
    std::vector<bool> done;
    EXPECT_EQ(runRenames(
                  database, renames,
                  [&calls](const std::string& from, const std::string& to) {
                      return ++calls != 2 && renameWithoutReplacing(from, to);
                  },
                  done),
              RenameRunResult::Done);
    EXPECT_FALSE(done[1]);
    EXPECT_TRUE(done[0] && done[2]);
    EXPECT_FALSE(RenameJournal(database).exists());
    const std::string written = readFile(database);
    EXPECT_EQ(DatabaseStore::readProfiles(database)[0].diskAFile, before[0].diskAFile);
    EXPECT_EQ(DatabaseStore::readProfiles(database)[0].slot1File, dir.file("Alpha.rom"));

    // Killed after the database was written but before the journal went: nothing more to do.
    ASSERT_TRUE(RenameJournal(database).write(movesOf(renames)));
    EXPECT_EQ(recoverRenames(database), RecoveryResult::Completed);
    EXPECT_EQ(readFile(database), written);

    // Every database's journal is found from the base directory; an unreadable one is kept.
    dir.write("other.db", "");
    dir.write("other.db.renames", "not a journal\r\n");
    ASSERT_TRUE(RenameJournal(database).write(movesOf(renames)));
    ProfileFile::settleDirectory(dir.path());
    EXPECT_FALSE(RenameJournal(database).exists());
    EXPECT_TRUE(RenameJournal(dir.file("other.db")).exists());
}

TEST(FileRenameRun, ADatabaseThatCannotFollowGetsItsFilesBackAndAPendingRunGoesFirst) {
    TempDir dir;
    const std::vector<Game> before = writeDatabase(dir);
    const std::string database = dir.file("games.db");
    // Enough profiles without media that the database outgrows the journal.
    std::vector<std::string> padding;
    for (int i = 0; i < 40; ++i) {
        Game plain;
        plain.name = "Padding " + std::to_string(i);
        plain.company = std::string(100, 'p');
        padding.push_back(plain.ToLine());
    }
    ASSERT_TRUE(appendLines(database, padding));
    const std::string original = readFile(database);
    const std::vector<PlannedRename> renames = planFor(before);

    // A full disk: the database cannot be rewritten, so every file goes back to its old name.
    EXPECT_TRUE(passesWithFileSizeLimit(2048, [&] {
        std::vector<bool> done;
        const RenameRunResult result = runRenames(database, renames, renameWithoutReplacing, done);
        return result == RenameRunResult::DatabaseFailed &&
               std::ranges::none_of(done, [](bool d) { return d; });
    }));
    EXPECT_EQ(readFile(database), original);
    EXPECT_FALSE(RenameJournal(database).exists());
    for (const PlannedRename& rename : renames)
        EXPECT_TRUE(fileExists(rename.from) && !fileExists(rename.to)) << rename.from;

    // A run killed half-way is completed by whichever writer comes next, here another tool.
    runKilledAfter(database, renames, 4);
    NoProgress none;
    const RewriteOutcome other = ProfileFile(dir.path(), {})
                                     .rewrite(
                                         "games", false,
                                         [](Game& game) {
                                             game.company = "Other";
                                             return true;
                                         },
                                         none);
    EXPECT_EQ(other.result, RewriteOutcome::Result::Done);
    EXPECT_FALSE(RenameJournal(database).exists());
    for (const Game& game : DatabaseStore::readProfiles(database))
        for (std::string Game::*field : kMedia)
            EXPECT_TRUE((game.*field).empty() || fileExists(game.*field)) << game.*field;

    // A journal whose renames no profile shows either way is kept, not thrown away.
    dir.write("lost_new.rom", "x");
    ASSERT_TRUE(
        RenameJournal(database).write({{dir.file("lost_old.rom"), dir.file("lost_new.rom")}}));
    EXPECT_TRUE(ProfileFile::settle(database));
    EXPECT_TRUE(RenameJournal(database).exists());
}
