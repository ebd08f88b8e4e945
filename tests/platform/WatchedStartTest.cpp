// SPDX-License-Identifier: GPL-3.0-or-later
// Programs started and watched for their first moments: an early failure is reported with what
// the program said, and a program that goes on running is never waited for nor left stuck.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "common/Path.h"
#include "platform/posix/PosixProcessStarter.h"
#include "support/FakeEmulator.h"
#include "support/Fifo.h"
#include "support/TaskQueue.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;
using namespace std::chrono_literals;

namespace {

using Failure = std::optional<ProcessStarter::EarlyExit>;

// Sends this process's standard error to a file for the scope, as a launcher started from the
// desktop has it go to a log.
class CapturedStandardError {
public:
    explicit CapturedStandardError(const std::string& path)
        : saved_(::dup(STDERR_FILENO)), path_(path) {
        const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        ::dup2(file, STDERR_FILENO);
        ::close(file);
    }
    ~CapturedStandardError() {
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
    }
    CapturedStandardError(const CapturedStandardError&) = delete;
    CapturedStandardError& operator=(const CapturedStandardError&) = delete;

    // Waits (bounded) until the text has arrived, since a relay may still be copying it.
    bool receives(const std::string& text) const {
        for (int i = 0; i < 600; ++i) {
            if (readFile(path_).find(text) != std::string::npos)
                return true;
            std::this_thread::sleep_for(50ms);
        }
        return false;
    }

private:
    int saved_;
    std::string path_;
};

bool waitForFile(const std::string& path) {
    for (int i = 0; i < 600 && !fileExists(path); ++i)
        std::this_thread::sleep_for(50ms);
    return fileExists(path);
}

// Waits (bounded) until no child process of ours is left, ended or not, without reaping any.
bool childrenAllReaped() {
    for (int i = 0; i < 600; ++i) {
        siginfo_t info{};
        if (::waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) < 0 && errno == ECHILD)
            return true;
        std::this_thread::sleep_for(50ms);
    }
    return false;
}

}  // namespace

TEST(WatchedStart, AProgramThatFailsAtOnceIsReportedWithItsLastLines) {
    TempDir dir;
    const CapturedStandardError captured(dir.file("stderr.txt"));
    const std::string talkative = writeScript(
        dir, "talkative",
        "i=1; while [ $i -le 15 ]; do echo \"line $i\" >&2; i=$((i+1)); done\nexit 3\n");
    const std::string killed = writeScript(dir, "killed", "echo dying >&2\nkill -TERM $$\n");
    const std::string quiet = writeScript(dir, "quiet", "exit 7\n");
    const std::string fine = writeScript(dir, "fine", "echo a warning >&2\nexit 0\n");

    TaskQueue window;
    PosixProcessStarter starter;
    starter.setReportPost(window.post());
    std::vector<Failure> reports;
    const auto record = [&reports](Failure failure) { reports.push_back(std::move(failure)); };
    // The watch is far longer than the test may wait: the report comes when the program ends.
    for (const std::string& program : {talkative, killed, quiet, fine}) {
        ASSERT_TRUE(starter.startWatched(program, {}, 1h, record)) << program;
        const std::function<void()> task = window.next();
        ASSERT_TRUE(task) << program;
        task();
    }
    EXPECT_FALSE(starter.startWatched(dir.file("missing"), {}, 1h, record));

    ASSERT_EQ(reports.size(), 4u);
    ASSERT_TRUE(reports[0]);
    EXPECT_EQ(reports[0]->status, 3);
    EXPECT_EQ(reports[0]->lastErrorLines,
              "line 6\nline 7\nline 8\nline 9\nline 10\nline 11\nline 12\nline 13\nline 14\n"
              "line 15");
    ASSERT_TRUE(reports[1]);
    EXPECT_EQ(reports[1]->status, 128 + SIGTERM);
    EXPECT_EQ(reports[1]->lastErrorLines, "dying");
    ASSERT_TRUE(reports[2]);
    EXPECT_EQ(reports[2]->status, 7);
    EXPECT_EQ(reports[2]->lastErrorLines, "");
    EXPECT_FALSE(reports[3]);
    // What the programs said still reached the launcher's own standard error.
    EXPECT_TRUE(captured.receives("line 1\n"));
    EXPECT_TRUE(captured.receives("a warning\n"));
    EXPECT_TRUE(childrenAllReaped());
    EXPECT_TRUE(window.empty());
}

TEST(WatchedStart, AProgramStillRunningIsNeverWaitedForAndKeepsWriting) {
    TempDir dir;
    const CapturedStandardError captured(dir.file("stderr.txt"));
    // After the watch it writes far more than a pipe holds, then fails: too late to report.
    const std::string script =
        writeScript(dir, "emulator",
                    "echo \"$1 started\" >&2\nread go < \"$2\" || true\n"
                    "i=0; while [ $i -lt 3000 ]; do\n"
                    "  echo \"$1 line $i: some text to fill the pipe with\" >&2; i=$((i+1))\n"
                    "done\ntouch \"$3\"\nexit 1\n");
    const std::string first = makeFifo(dir.file("first.fifo"));
    const std::string second = makeFifo(dir.file("second.fifo"));
    const ReleaseOnExit letGo({first, second});

    TaskQueue window;
    auto starter = std::make_unique<PosixProcessStarter>();
    starter->setReportPost(window.post());
    std::vector<Failure> reports;
    const auto record = [&reports](Failure failure) { reports.push_back(std::move(failure)); };
    // The starts return while the programs wait on their pipes.
    EXPECT_TRUE(endsWithoutWaitingOn({first, second}, [&] {
        ASSERT_TRUE(
            starter->startWatched(script, {"first", first, dir.file("first.done")}, 100ms, record));
        ASSERT_TRUE(
            starter->startWatched(script, {"second", second, dir.file("second.done")}, 1h, record));
    }));
    // The short watch ends with the first still running: nothing to report.
    const std::function<void()> task = window.next();
    ASSERT_TRUE(task);
    task();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_FALSE(reports[0]);

    // A launcher that ends cuts the long watch short, without waiting for the program.
    EXPECT_TRUE(endsWithoutWaitingOn({second}, [&] { starter.reset(); }));
    releaseReaders(first);
    releaseReaders(second);
    EXPECT_TRUE(waitForFile(dir.file("first.done")));
    EXPECT_TRUE(waitForFile(dir.file("second.done")));
    EXPECT_TRUE(captured.receives("first started\n"));
    EXPECT_TRUE(captured.receives("first line 2999: some text to fill the pipe with\n"));
    EXPECT_TRUE(captured.receives("second line 2999: some text to fill the pipe with\n"));
    EXPECT_TRUE(childrenAllReaped());
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_TRUE(window.empty());
}
