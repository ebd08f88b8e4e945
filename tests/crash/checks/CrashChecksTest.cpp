// SPDX-License-Identifier: GPL-3.0-or-later
#include "crash/CrashChecks.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/AtomicFile.h"
#include "crash/DirectorySnapshot.h"
#include "model/Game.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::crash;

namespace {

CrashOperation operationBackingUp(std::vector<std::string> backedUp = {}) {
    return CrashOperation("test", {}, {}, "M_ERR_FILE_IO", "M_ERR_FILE_IO", std::move(backedUp));
}

bool mentions(const TrialCheck& check, const std::string& text) {
    return std::any_of(check.failures.begin(), check.failures.end(),
                       [&](const std::string& f) { return f.find(text) != std::string::npos; });
}

// What a kill left, checked against a rewrite of Main.db from "A" to "A B".
TrialCheck afterKill(const DirectorySnapshot& now, const CrashOperation& operation,
                     DirectorySnapshot before = {{"Main.db", "A\r\n"}},
                     DirectorySnapshot after = {{"Main.db", "A\r\nB\r\n"}}) {
    test::TempDir dir;
    OperationStates states{before, after, {"Main.db"}, {"Main.db"}};
    writeSnapshot(dir.path(), now);
    return checkAfterKill(operation, states, dir.path());
}

}  // namespace

TEST(CrashChecks, EachDatabaseIsItsOldOrNewContentWhole) {
    const CrashOperation op = operationBackingUp();
    EXPECT_TRUE(afterKill({{"Main.db", "A\r\n"}}, op).failures.empty());
    EXPECT_EQ(afterKill({{"Main.db", "A\r\n"}}, op).state, TrialState::Old);
    EXPECT_EQ(afterKill({{"Main.db", "A\r\nB\r\n"}}, op).state, TrialState::New);
    // A rewrite cut short, a database gone, a line without its CR.
    EXPECT_TRUE(mentions(afterKill({{"Main.db", "A\r\nB"}}, op), "neither its old nor its new"));
    EXPECT_TRUE(mentions(afterKill({}, op), "missing: Main.db"));
    EXPECT_TRUE(mentions(
        afterKill({{"Main.db", "A\r\nB\n"}}, op, {{"Main.db", "A\r\n"}}, {{"Main.db", "A\r\nB\n"}}),
        "not ending CR LF"));
    // Appends leave whole lines; a temporary file beside the database is no database.
    EXPECT_TRUE(afterKill({{"Main.db", "A\r\nB\r\n"}}, op, {{"Main.db", "A\r\n"}},
                          {{"Main.db", "A\r\nB\r\nC\r\n"}})
                    .failures.empty());
    EXPECT_TRUE(afterKill({{"Main.db", "A\r\n"}, {"Main.db.tmp", "A\r"}}, op).failures.empty());
    const TrialCheck stray = afterKill({{"Main.db", "A\r\n"}, {"Stray.db", "A"}}, op);
    EXPECT_TRUE(mentions(stray, "neither state has: Stray.db"));
    EXPECT_TRUE(mentions(stray, "listed as a database: Stray.db"));
}

TEST(CrashChecks, BackupsEqualWhatTheyBackedUpAndNothingIsLost) {
    const CrashOperation backingUp = operationBackingUp({"Main"});
    const DirectorySnapshot before{{"Main.db", "A\r\n"}};
    const DirectorySnapshot after{{"Main.db", "B\r\n"}, {"Main_1.db", "A\r\n"}};
    EXPECT_TRUE(afterKill({{"Main.db", "A\r\n"}, {"Main_1.db", "A\r\n"}}, backingUp, before, after)
                    .failures.empty());
    EXPECT_TRUE(mentions(afterKill({{"Main.db", "A\r\n"}, {"Main_1.db", "B\r\n"}}, backingUp,
                                   before, {{"Main.db", "B\r\n"}, {"Main_1.db", "B\r\n"}}),
                         "a backup that differs"));

    // A renamed database may be under either name, but somewhere.
    const CrashOperation op = operationBackingUp();
    const DirectorySnapshot renamedBefore{{"A.db", "X\r\n"}, {"A_1.db", "Y\r\n"}};
    const DirectorySnapshot renamedAfter{{"B.db", "X\r\n"}, {"B_1.db", "Y\r\n"}};
    EXPECT_EQ(
        afterKill({{"B.db", "X\r\n"}, {"A_1.db", "Y\r\n"}}, op, renamedBefore, renamedAfter).state,
        TrialState::Between);
    EXPECT_TRUE(mentions(afterKill({{"A_1.db", "Y\r\n"}}, op, renamedBefore, renamedAfter),
                         "lost: the content of B.db"));
}

TEST(CrashChecks, AfterTheRenameToolEveryProfileNamesAFile) {
    test::TempDir dir;
    Game game;
    game.name = "Game";
    game.slot1File = dir.file("media/game.rom");
    const DirectorySnapshot files{{"Main.db", game.ToLine() + "\r\n"}};
    CrashOperation renaming = operationBackingUp();
    renaming.renamesMedia = true;
    const OperationStates states{files, files, {"Main.db"}, {"Main.db"}};
    writeSnapshot(dir.path(), files);
    EXPECT_TRUE(mentions(checkAfterKill(renaming, states, dir.path()), "names a missing file"));
    dir.write("media/game.rom", "rom");
    EXPECT_FALSE(mentions(checkAfterKill(renaming, states, dir.path()), "names a missing file"));
}

TEST(CrashChecks, AnAppendCutInALineIsAllowedOnlyWithItsJournalAndTheStartMustCutItBack) {
    const CrashOperation op = operationBackingUp();
    const DirectorySnapshot before{{"Main.db", "A\r\n"}};
    const DirectorySnapshot after{{"Main.db", "A\r\nBB\r\nCC\r\n"}};
    // With the journal the start cuts the part line off.
    const TrialCheck cut =
        afterKill({{"Main.db", "A\r\nBB\r\nC"}, {"Main.db.appending", "3\r\n"}}, op, before, after);
    EXPECT_TRUE(cut.failures.empty());
    EXPECT_TRUE(cut.tornLine);
    EXPECT_TRUE(cut.midWrite);
    // Without one nothing would: the part line is a fault already, and after the start too.
    const TrialCheck torn = afterKill({{"Main.db", "A\r\nBB\r\nC"}}, op, before, after);
    EXPECT_TRUE(mentions(torn, "neither its old nor its new"));
    EXPECT_TRUE(mentions(torn, "after the start, a profile that is no whole line"));
    // A journal that names a length past the part line leaves it there.
    EXPECT_TRUE(mentions(
        afterKill({{"Main.db", "A\r\nBB\r\nC"}, {"Main.db.appending", "8\r\n"}}, op, before, after),
        "after the start, a line not ending CR LF"));
    // The start removes a killed writer's private temporary file, but never a live one's.
    EXPECT_TRUE(afterKill({{"Main.db", "A\r\n"}, {"Main.db.77-1.tmp", "A"}}, op, before, after)
                    .failures.empty());
    test::TempDir dir;
    writeSnapshot(dir.path(), before);
    AtomicFileWriter live(dir.file("Main.db"), AtomicFileWriter::Publish::Replace,
                          AtomicFileWriter::Temporary::Private);
    live.write("A\r\n");
    const OperationStates states{before, after, {"Main.db"}, {"Main.db"}};
    EXPECT_TRUE(mentions(checkAfterKill(op, states, dir.path()), "left after the start: Main.db."));
}
