// SPDX-License-Identifier: GPL-3.0-or-later
// A writer killed inside an append: the next write, or the launcher's start, cuts the database
// back to its length before the append, so the list never shows a torn line as a profile.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/CCorvaneLauncherApp.h"
#include "app/OperationResult.h"
#include "common/Progress.h"
#include "model/AppendJournal.h"
#include "model/Game.h"
#include "model/ProfileFile.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

using namespace corvane;
using corvane::test::readFile;
using corvane::test::TempDir;

namespace {

Game profile(const std::string& name, size_t argumentBytes = 0) {
    Game game;
    game.name = name;
    game.machine = "Philips_NMS_8250";
    game.openMsxArguments = std::string(argumentBytes, 'x');
    return game;
}

off_t sizeOf(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_size : -1;
}

// A child appends lines of 4 MB each; it is killed once its journal is there and the database
// has grown, which is while it writes the first of them (a write that the kill cuts at a page
// boundary), and long before it could write them all. True when it was killed there.
bool killInsideAppend(const std::string& base, const std::string& db, bool& torn) {
    const off_t before = sizeOf(db);
    const pid_t child = ::fork();
    if (child == 0) {
        std::vector<std::string> lines;
        for (int i = 0; i < 6; ++i)
            lines.push_back(profile("Huge " + std::to_string(i), 4 << 20).ToLine());
        const bool appended =
            ProfileFile(base, LockWait{std::chrono::milliseconds(0), {}}).append(db, lines);
        ::_exit(appended ? 0 : 1);
    }
    const std::string journal = db + AppendJournal::kSuffix;
    int status = 0;
    bool ended = false;
    // Polled without pause: the child writes for a while yet, and the moment must not pass.
    while (!(::access(journal.c_str(), F_OK) == 0 && sizeOf(db) > before))
        if ((ended = ::waitpid(child, &status, WNOHANG) == child))
            break;
    if (!ended) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
    }
    torn = !readFile(db).ends_with("\r\n");
    return WIFSIGNALED(status) && std::filesystem::exists(journal) && sizeOf(db) > before;
}

std::vector<std::string> listedNames(const std::string& db) {
    std::vector<std::string> names;
    EXPECT_EQ(forEachProfile(db,
                             [&](const ProfileLine& line) {
                                 names.emplace_back(line.name());
                                 return true;
                             }),
              ReadResult::Done);
    return names;
}

}  // namespace

TEST(AppendKillTest, TheNextWriteOrTheStartCutsAKilledAppendBackToWholeLines) {
    const std::string held = profile("A").ToLine() + "\r\n" + profile("B").ToLine() + "\r\n";
    struct Next {
        const char* what;
        std::function<void(const std::string& base)> write;
        std::string bytesAfter;
        std::vector<std::string> listed;
    };
    const Game added = profile("C");
    Game turbo = profile("A");
    turbo.machine = "Turbo";
    Game turboB = profile("B");
    turboB.machine = "Turbo";
    const Next nexts[] = {
        {"the launcher's start",
         [](const std::string& base) {
             test::ScriptedPrompter prompter;
             CCorvaneLauncherApp(base, prompter).loadSettings();
         },
         held,
         {"A", "B"}},
        {"a new profile saved",
         [&](const std::string& base) {
             test::ScriptedPrompter prompter;
             CCorvaneLauncherApp app(base, prompter);
             EXPECT_EQ(app.profileOperations().saveProfile(added, "Games", nullptr),
                       OperationResult::Done);
         },
         held + added.ToLine() + "\r\n",
         {"A", "B", "C"}},
        {"a rewrite",
         [](const std::string& base) {
             const ProfileFile file(base, LockWait{std::chrono::milliseconds(0), {}});
             NoProgress progress;
             const auto toTurbo = [](Game& game) {
                 game.machine = "Turbo";
                 return true;
             };
             EXPECT_EQ(file.rewrite("Games", false, toTurbo, progress).result,
                       RewriteOutcome::Result::Done);
         },
         turbo.ToLine() + "\r\n" + turboB.ToLine() + "\r\n",
         {"A", "B"}},
    };
    for (const Next& next : nexts) {
        SCOPED_TRACE(next.what);
        TempDir dir;
        const std::string db = dir.write("Games.db", held);
        bool torn = false;
        ASSERT_TRUE(killInsideAppend(dir.path(), db, torn))
            << "the child was not killed mid-append";
        // What a kill inside the write leaves mostly ends in a part of a line.
        RecordProperty(std::string("torn, then ") + next.what, torn ? "yes" : "no");
        next.write(dir.path());
        EXPECT_EQ(readFile(db), next.bytesAfter);
        EXPECT_EQ(listedNames(db), next.listed);
        EXPECT_FALSE(std::filesystem::exists(db + AppendJournal::kSuffix));
    }
}
