// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/PosixProcessStarter.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <filesystem>
#include <future>
#include <thread>

#include "common/Path.h"
#include "emulator/EmulatorHandler.h"
#include "platform/SystemTool.h"
#include "support/FakeEmulator.h"
#include "support/ScopedVariable.h"
#include "support/ScopedWorkingDirectory.h"
#include "support/TaskQueue.h"

using namespace corvane;
using namespace corvane::test;
using namespace std::chrono_literals;

namespace {
// Nothing left to reap: the started program is no child of ours.
bool noChildProcesses() {
    return ::waitpid(-1, nullptr, WNOHANG) < 0 && errno == ECHILD;
}
}  // namespace

TEST(PosixProcessStarter, FieldsArriveAsLiteralArguments) {
    FakeEmulator emulator;
    TempDir victim;
    Game g;
    g.slot1File = "x\"; touch " + victim.file("A") + "; \"";
    g.diskAFile = "$(touch " + victim.file("B") + ")";
    g.tapeFile = "`touch " + victim.file("C") + "`";
    g.machine = "a b;c\nd";
    Settings s;
    s.theme = "default";
    s.fullScreen = false;
    PosixProcessStarter starter;
    ASSERT_TRUE(starter.start(emulator.executable(),
                              EmulatorHandler::corvaneArguments(g, s, std::nullopt).arguments()));
    EXPECT_TRUE(noChildProcesses());
    const auto calls = emulator.waitForCalls(1);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].arguments,
              (std::vector<std::string>{"/rom1", g.slot1File, "/diskA", g.diskAFile, "/cas",
                                        g.tapeFile, "/machine", g.machine}));
    EXPECT_EQ(calls[0].workingDirectory,
              std::filesystem::canonical(std::filesystem::current_path()).string());
    for (const char* name : {"A", "B", "C"})
        EXPECT_FALSE(fileExists(victim.file(name))) << name;
}

TEST(PosixProcessStarter, FailuresAndWaitedRuns) {
    TempDir dir;
    PosixProcessStarter starter;
    const std::string plain = dir.write("plain", "#!/bin/sh\n");
    ::chmod(plain.c_str(), 0644);
    const std::string broken = dir.write("broken", "#!/nonexistent/interpreter\n");
    ::chmod(broken.c_str(), 0755);
    const std::string status =
        writeScript(dir, "status", "[ \"$1\" = \"a b\" ] || exit 9\nexit 3\n");
    const std::optional<std::string> sleep = findSystemTool("sleep");
    ASSERT_TRUE(sleep);
    // Only absolute paths run: a bare or relative name is never looked up in PATH or the working
    // directory, even where a program of that name is.
    const ScopedWorkingDirectory cwd(dir.path());
    const ScopedVariable path("PATH", ":.:" + dir.path());
    for (const std::string& program :
         {dir.file("missing"), std::string(), std::string("no-such-program-here"), dir.path(),
          broken, std::string("status"), std::string("./status")}) {
        EXPECT_FALSE(starter.start(program, {})) << program;
        EXPECT_FALSE(starter.run(program, {}, 5s)) << program;
    }
    if (!runningAsRoot()) {
        EXPECT_FALSE(starter.start(plain, {}));
    }

    EXPECT_EQ(starter.run(status, {"a b"}, 5s), 3);
    EXPECT_EQ(starter.run(status, {"a", "b"}, 5s), 9);
    EXPECT_FALSE(starter.run(*sleep, {"30"}, 200ms));  // killed at the timeout
    EXPECT_TRUE(noChildProcesses());
}

TEST(PosixProcessStarter, TheLaunchersDescriptorsDoNotReachTheProgram) {
    TempDir dir;
    // Opened the way a library might: without close-on-exec.
    const int opened = ::open(dir.write("open.txt", "x").c_str(), O_RDONLY);
    ASSERT_GE(opened, 3);
    // Moved high, clear of the numbers the shell itself uses while listing.
    const int leaked = ::fcntl(opened, F_DUPFD, 50);
    ::close(opened);
    ASSERT_GE(leaked, 50);
    const std::string listing = dir.file("fds.txt");
    const std::string script = writeScript(
        dir, "list", "for f in /proc/$$/fd/*; do echo \"${f##*/}\"; done > \"" + listing + "\"\n");
    PosixProcessStarter starter;
    EXPECT_EQ(starter.run(script, {}, 10s), std::optional<int>(0));
    ::close(leaked);
    const std::string fds = readFile(listing);
    EXPECT_NE(fds.find("0\n"), std::string::npos);
    EXPECT_EQ(fds.find(std::to_string(leaked) + "\n"), std::string::npos) << fds;
}

TEST(PosixProcessStarter, BackgroundHelpersReportTheirExitWhereTheyAreTold) {
    TempDir dir;
    const std::string status =
        writeScript(dir, "status", "[ \"$1\" = \"a b\" ] || exit 9\nexit 3\n");
    const std::optional<std::string> sleep = findSystemTool("sleep");
    ASSERT_TRUE(sleep);
    EXPECT_EQ(PosixProcessStarter::run(status, {"a b"}, std::nullopt), 3);  // no time limit

    // Without a post the handler runs on the waiting thread.
    std::vector<std::optional<int>> statuses;
    {
        PosixProcessStarter starter;
        std::promise<std::thread::id> where;
        starter.runInBackground(status, {"a b"}, 5s, [&](std::optional<int> s) {
            statuses.push_back(s);
            where.set_value(std::this_thread::get_id());
        });
        std::future<std::thread::id> ran = where.get_future();
        ASSERT_EQ(ran.wait_for(30s), std::future_status::ready);
        EXPECT_NE(ran.get(), std::this_thread::get_id());
    }
    EXPECT_EQ(statuses, std::vector<std::optional<int>>{3});

    // With one, each handler runs when its posted task does, and a helper that cannot start or
    // outlives its timeout reports none.
    TaskQueue window;
    auto starter = std::make_unique<PosixProcessStarter>();
    starter->setReportPost(window.post());
    const auto record = [&statuses](std::optional<int> s) { statuses.push_back(s); };
    starter->runInBackground(status, {"a", "b"}, std::nullopt, record);
    std::function<void()> task = window.next();
    ASSERT_TRUE(task);
    EXPECT_EQ(statuses.size(), 1u);
    task();
    starter->runInBackground(dir.file("missing"), {}, 5s, record);
    ASSERT_TRUE((task = window.next()));
    task();
    starter->runInBackground(*sleep, {"30"}, 200ms, record);
    ASSERT_TRUE((task = window.next()));
    task();
    EXPECT_EQ(statuses, (std::vector<std::optional<int>>{3, 9, std::nullopt, std::nullopt}));

    // A report still queued when the starter ends is dropped: what it would call may be gone.
    starter->runInBackground(status, {"a b"}, 5s, record);
    ASSERT_TRUE((task = window.next()));
    starter.reset();
    task();
    EXPECT_EQ(statuses.size(), 4u);
    EXPECT_TRUE(noChildProcesses());
}
