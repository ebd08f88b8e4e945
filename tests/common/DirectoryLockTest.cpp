// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "common/DirectoryLock.h"
#include "support/LockingProcess.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {

const LockWait kNoWait{.timeout = std::chrono::milliseconds(0), .whenBusy = {}};

DirectoryLock::State stateInAnotherThread(const std::string& directory) {
    DirectoryLock::State state = DirectoryLock::State::Failed;
    std::thread([&] { state = DirectoryLock(directory, kNoWait).state(); }).join();
    return state;
}

}  // namespace

TEST(DirectoryLockTest, AnotherProcessKeepsItAndNothingIsLeftBehind) {
    TempDir dir;
    dir.write("Games.db", "A|x\r\n");
    {
        LockingProcess other(dir.path());
        EXPECT_TRUE(DirectoryLock(dir.path(), kNoWait).busy());
    }
    // Free now: no wait, no word of it.
    bool toldBusy = false;
    EXPECT_TRUE(DirectoryLock(dir.path(), {.timeout = std::chrono::seconds(5),
                                           .whenBusy = [&] { toldBusy = true; }})
                    .held());
    EXPECT_FALSE(toldBusy);
    // The lock leaves nothing in the folder that could be listed as a database.
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        files.push_back(entry.path().filename().string());
    EXPECT_EQ(files, std::vector<std::string>{"Games.db"});

    EXPECT_EQ(DirectoryLock(dir.file("missing"), kNoWait).state(), DirectoryLock::State::Failed);
}

TEST(DirectoryLockTest, ItsThreadTakesItAgainAndOtherThreadsWait) {
    TempDir dir;
    {
        const DirectoryLock outer(dir.path(), kNoWait);
        ASSERT_TRUE(outer.held());
        {
            // Named another way, the folder is still the one this thread holds.
            const DirectoryLock inner(dir.path() + "/.", kNoWait);
            EXPECT_TRUE(inner.held());
        }
        // The inner one going does not let go of the outer one's lock.
        EXPECT_EQ(stateInAnotherThread(dir.path()), DirectoryLock::State::Busy);
    }
    EXPECT_EQ(stateInAnotherThread(dir.path()), DirectoryLock::State::Held);
}
