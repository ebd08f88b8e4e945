// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ProfileFile.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

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

class ProfileFileTest : public ::testing::Test {
protected:
    ProfileFileTest() : rewrite(dir.path(), LockWait{std::chrono::milliseconds(50), {}}) {}

    TempDir dir;
    ProfileFile rewrite;
    ScriptedProgress progress;
};

}  // namespace

TEST_F(ProfileFileTest, ChangesProfilesDropsEmptyLinesAndKeepsOthersByteForByte) {
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

    // A database that is not there is told apart from one that cannot be read; neither is made.
    EXPECT_EQ(rewrite.rewrite("None", false, toTurbo, progress).result, Result::Missing);
    EXPECT_FALSE(std::filesystem::exists(dir.file("None.db")));
    std::filesystem::create_directory(dir.file("Folder.db"));
    EXPECT_EQ(rewrite.rewrite("Folder", false, toTurbo, progress).result, Result::FileError);
    const auto visitAll = [](const ProfileLine&) { return true; };
    EXPECT_EQ(forEachProfile(dir.file("None.db"), visitAll), ReadResult::Missing);
    EXPECT_EQ(forEachProfile(dir.file("Folder.db"), visitAll), ReadResult::Unreadable);

    // Lone CRs and mixed line ends never merge two profiles into one.
    dir.write("Cr.db", profileLine("A", "") + "\r" + profileLine("B", "") + "\r\n" +
                           profileLine("C", "") + "\n" + profileLine("D", "") + "\r");
    const RewriteOutcome cr = rewrite.rewrite("Cr", false, toTurbo, progress);
    EXPECT_EQ(cr.changed, 4);
    std::vector<std::string> names;
    EXPECT_EQ(forEachProfile(dir.file("Cr.db"),
                             [&](const ProfileLine& line) {
                                 names.emplace_back(line.name());
                                 return line.profile().machine == "Turbo";
                             }),
              ReadResult::Done);
    EXPECT_EQ(names, (std::vector<std::string>{"A", "B", "C", "D"}));
}

TEST_F(ProfileFileTest, CancelHalfWayKeepsEveryProfile) {
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

TEST_F(ProfileFileTest, AFailedWriteOrBackupLeavesTheDatabaseAsItWas) {
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

TEST_F(ProfileFileTest, BacksUpWhatItReplacesAndNeverWhatAnotherWriterChanged) {
    const std::string content = profileLine("A", "Old") + "\r\n";
    const std::string db = dir.write("Games.db", content);
    dir.write("Games_0.db", "older backup\r\n");
    EXPECT_EQ(rewrite.rewrite("Games", true, toTurbo, progress).result, Result::Done);
    EXPECT_EQ(readFile(dir.file("Games_1.db")), content);
    EXPECT_EQ(readFile(db), profileLine("A", "Turbo") + "\r\n");

    // A profile added while the change ran is not lost to the rewrite: the file as it is then
    // is changed again, and the backup holds what was replaced.
    const std::string before = readFile(db);
    bool added = false;
    const RewriteOutcome outcome = rewrite.rewrite(
        "Games", true,
        [&](Game& game) {
            // Another program appends while this one changes its first profile.
            if (!added) {
                const pid_t writer = ::fork();
                if (writer == 0) {
                    const std::vector<std::string> line{profileLine("New", "Old")};
                    ::_exit(appendLines(db, line) ? 0 : 1);
                }
                int status = 1;
                added = ::waitpid(writer, &status, 0) == writer && status == 0;
            }
            return toTurbo(game);
        },
        progress);
    EXPECT_EQ(outcome.result, Result::Done);
    EXPECT_EQ(outcome.profiles, 2);
    EXPECT_EQ(readFile(db),
              profileLine("A", "Turbo") + "\r\n" + profileLine("New", "Turbo") + "\r\n");
    EXPECT_EQ(readFile(dir.file("Games_2.db")), before + profileLine("New", "Old") + "\r\n");

    // Nothing is written while another program holds the base directory.
    const std::string held = readFile(db);
    const corvane::test::LockingProcess other(dir.path());
    EXPECT_EQ(rewrite.rewrite("Games", false, toTurbo, progress).result, Result::Busy);
    EXPECT_EQ(readFile(db), held);
}

TEST_F(ProfileFileTest, WhatAKilledWriterLeftIsSettledBeforeTheNextWrite) {
    // An append killed half-way: its journal says how long the file was.
    const std::string whole = profileLine("A", "Old") + "\r\n";
    const std::string db = dir.write("Games.db", whole + profileLine("Torn", "Old").substr(0, 9));
    dir.write("Games.db.appending", std::to_string(whole.size()) + "\r\n");
    const std::vector<std::string> added{profileLine("B", "Old")};
    EXPECT_TRUE(rewrite.append(db, added));
    EXPECT_EQ(readFile(db), whole + added[0] + "\r\n");
    EXPECT_FALSE(std::filesystem::exists(db + ".appending"));

    // Temporary files of killed writers go at start; one still being written stays.
    dir.write("Games.db.tmp", "cut");
    dir.write("Games.db.renames.tmp", "cut");
    dir.write("Games.db.77-1.tmp", "cut");
    dir.write("Games.db.appending", std::to_string(whole.size()) + "\r\n");
    AtomicFileWriter live(dir.file("Other.db"), AtomicFileWriter::Publish::Replace,
                          AtomicFileWriter::Temporary::Private);
    live.write("being written");
    dir.write("favorites.bml.tmp", "cut");
    dir.write("notes.tmp", "the user's own");
    constexpr std::string_view kOthers[] = {"favorites.bml"};
    ProfileFile::settleDirectory(dir.path(), kOthers);
    EXPECT_EQ(readFile(db), whole);
    for (const char* gone : {"Games.db.tmp", "Games.db.renames.tmp", "Games.db.77-1.tmp",
                             "Games.db.appending", "favorites.bml.tmp"})
        EXPECT_FALSE(std::filesystem::exists(dir.file(gone))) << gone;
    EXPECT_TRUE(std::filesystem::exists(dir.file("notes.tmp")));
    EXPECT_TRUE(live.commit());
    EXPECT_EQ(readFile(dir.file("Other.db")), "being written");

    // A database the store replaces whole, or restores, leaves no old journal to cut it later.
    DatabaseStore store(dir.path());
    dir.write("Games_0.db", whole + added[0] + "\r\n");
    for (const bool restore : {false, true}) {
        dir.write("Games.db.appending", "1\r\n");
        ASSERT_TRUE(restore ? store.restoreDatabase("Games") == FileResult::Done
                            : store.writeProfiles("Games", {Game{}, Game{}}));
        const std::string replaced = readFile(db);
        ProfileFile::settleDirectory(dir.path());
        EXPECT_EQ(readFile(db), replaced) << restore;
    }
}
