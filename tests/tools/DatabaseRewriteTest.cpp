// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/DatabaseRewrite.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/AtomicFile.h"
#include "common/DirectoryLock.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "support/ChildProcess.h"
#include "support/LockingProcess.h"
#include "support/ScriptedProgress.h"
#include "support/TempDir.h"

using namespace corvane;
using corvane::test::passesWithFileSizeLimit;
using corvane::test::readFile;
using corvane::test::ScriptedProgress;
using corvane::test::TempDir;
using Result = RewriteOutcome::Result;

namespace {

std::string profileLine(const std::string& name, const std::string& machine) {
    Game game;
    game.name = name;
    game.machine = machine;
    game.slot1File = "/roms/" + name + ".rom";
    return game.ToLine();
}

// Gives every profile the machine "Turbo" and counts it, but leaves "Keep" alone.
bool toTurbo(Game& game) {
    if (game.name == "Keep")
        return false;
    game.machine = "Turbo";
    return true;
}

class DatabaseRewriteTest : public ::testing::Test {
protected:
    DatabaseRewriteTest() : rewrite(dir.path(), LockWait{std::chrono::milliseconds(50), {}}) {}

    TempDir dir;
    DatabaseRewrite rewrite;
    ScriptedProgress progress;
};

}  // namespace

TEST_F(DatabaseRewriteTest, ChangesProfilesDropsEmptyLinesAndKeepsOthersByteForByte) {
    // A line the change leaves alone keeps even what a rewrite of it would not (LF, fewer fields).
    const std::string kept = "Keep|odd|fields";
    const std::string db = dir.write("Games.db", "\r\n" + profileLine("A", "MSX2") + "\r\n\n" +
                                                     kept + "\n" + profileLine("B", "") + "\r\n");
    const RewriteOutcome outcome = rewrite.rewrite("Games", false, toTurbo, progress);
    EXPECT_EQ(outcome.result, Result::Done);
    EXPECT_EQ(outcome.changed, 2);
    EXPECT_EQ(outcome.profiles, 3);
    EXPECT_EQ(readFile(db), profileLine("A", "Turbo") + "\r\n" + kept + "\r\n" +
                                profileLine("B", "Turbo") + "\r\n");
    EXPECT_EQ(progress.position.load(), progress.range.load());
    EXPECT_GT(progress.range.load(), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("Games_0.db")));
    EXPECT_FALSE(std::filesystem::exists(db + ".tmp"));

    // A database that is not there is an I/O error and creates nothing.
    EXPECT_EQ(rewrite.rewrite("None", false, toTurbo, progress).result, Result::FileError);
    EXPECT_FALSE(std::filesystem::exists(dir.file("None.db")));
}

TEST_F(DatabaseRewriteTest, CancelHalfWayKeepsEveryProfile) {
    std::string content;
    for (int i = 0; i < 200; ++i)
        content += profileLine("P" + std::to_string(i), "Old") + "\r\n";
    const std::string db = dir.write("Games.db", content + "\r\n");
    int seen = 0;
    const RewriteOutcome outcome = rewrite.rewrite(
        "Games", false,
        [&](Game& game) {
            if (++seen == 100)
                progress.stop = true;
            return toTurbo(game);
        },
        progress);
    EXPECT_EQ(outcome.result, Result::Stopped);
    EXPECT_EQ(seen, 100);
    EXPECT_EQ(outcome.changed, 100);
    EXPECT_EQ(outcome.profiles, 200);
    const std::vector<Game> after = DatabaseStore::readProfiles(db);
    ASSERT_EQ(after.size(), 200u);
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(after[i].name, "P" + std::to_string(i));
        EXPECT_EQ(after[i].machine, i < 100 ? "Turbo" : "Old") << i;
    }
}

TEST_F(DatabaseRewriteTest, AFailedWriteOrBackupLeavesTheDatabaseAsItWas) {
    std::string content = "\r\n";
    for (int i = 0; i < 100; ++i)
        content += profileLine("P" + std::to_string(i), "Old") + "\r\n";
    const std::string db = dir.write("Games.db", content);
    ASSERT_GT(content.size(), 4096u);

    for (const bool backup : {false, true}) {
        EXPECT_TRUE(passesWithFileSizeLimit(4096, [&] {
            NoProgress none;
            const RewriteOutcome outcome = rewrite.rewrite("Games", backup, toTurbo, none);
            return outcome.result == (backup ? Result::BackupFailed : Result::FileError);
        })) << backup;
        EXPECT_TRUE(readFile(db) == content) << backup;
        EXPECT_FALSE(std::filesystem::exists(db + ".tmp"));
        EXPECT_FALSE(std::filesystem::exists(dir.file("Games_0.db")));
    }
}

TEST_F(DatabaseRewriteTest, BacksUpWhatItReplacesAndNeverWhatAnotherWriterChanged) {
    const std::string content = profileLine("A", "Old") + "\r\n";
    const std::string db = dir.write("Games.db", content);
    dir.write("Games_0.db", "older backup\r\n");
    EXPECT_EQ(rewrite.rewrite("Games", true, toTurbo, progress).result, Result::Done);
    EXPECT_EQ(readFile(dir.file("Games_1.db")), content);
    EXPECT_EQ(readFile(db), profileLine("A", "Turbo") + "\r\n");

    // A profile added while the change ran is not lost to the rewrite: nothing is written.
    const std::string before = readFile(db);
    const RewriteOutcome outcome = rewrite.rewrite(
        "Games", true,
        [&](Game& game) {
            const std::vector<std::string> added{profileLine("New", "Old")};
            if (game.name == "A")
                appendLines(db, added);
            return toTurbo(game);
        },
        progress);
    EXPECT_EQ(outcome.result, Result::Busy);
    EXPECT_EQ(readFile(db), before + profileLine("New", "Old") + "\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("Games_2.db")));

    // Nor while another program holds the base directory.
    const corvane::test::LockingProcess other(dir.path());
    EXPECT_EQ(rewrite.rewrite("Games", false, toTurbo, progress).result, Result::Busy);
    EXPECT_EQ(readFile(db), before + profileLine("New", "Old") + "\r\n");
}
