// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "app/CCorvaneLauncherApp.h"
#include "app/SoftwareIndexBuild.h"
#include "support/FakeEmulator.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {

constexpr const char* kSha1 = "a9993e364706816aba3e25717850c26c9cd0d89d";
// Generous: only a build that never ends runs into it.
constexpr std::chrono::seconds kEnough(60);

std::string software(const std::string& company) {
    return "<db><software><title>Title</title><company>" + company +
           "</company><dump><rom><hash algo=\"sha1\">" + kSha1 +
           "</hash></rom></dump></software></db>";
}

// Counts the listener's calls, which come from the worker's thread.
struct Calls {
    std::mutex mutex;
    std::condition_variable called;
    int count = 0;

    std::function<void()> listener() {
        return [this] {
            std::lock_guard lock(mutex);
            ++count;
            called.notify_all();
        };
    }
    bool waitForOne() {
        std::unique_lock lock(mutex);
        return called.wait_for(lock, kEnough, [this] { return count > 0; });
    }
};

}  // namespace

TEST(SoftwareIndexBuild, OnlyTheLastStartIsTakenAndOnlyOnce) {
    FakeEmulator first;
    first.addDatabase("db.xml", software("First"));
    FakeEmulator second;
    second.addDatabase("db.xml", software("Second"));
    Calls calls;
    SoftwareIndexBuild build;
    build.setListener(calls.listener());
    EXPECT_FALSE(build.pending());
    EXPECT_TRUE(build.waitFor(std::chrono::milliseconds(0)));

    build.start(first.path());
    build.start(second.path());
    EXPECT_TRUE(build.pending());
    ASSERT_TRUE(build.waitFor(kEnough));
    EXPECT_TRUE(calls.waitForOne());
    std::optional<SoftwareIndexBuild::Result> result = build.take();
    ASSERT_TRUE(result);
    EXPECT_FALSE(build.pending());
    EXPECT_FALSE(result->noDatabases);
    ASSERT_TRUE(result->index.isBuilt());
    ASSERT_NE(result->index.find(kSha1), nullptr);
    EXPECT_EQ(result->index.find(kSha1)->company, "Second");
    EXPECT_FALSE(build.take());

    // A Databases folder without XML files: the message is the owner's to show.
    second.removeDatabasesDirectory();
    second.write("Databases/readme.txt", "");
    build.start(second.path());
    ASSERT_TRUE(build.waitFor(kEnough));
    result = build.take();
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->noDatabases);
    EXPECT_FALSE(result->index.isBuilt());
}

TEST(SoftwareIndexBuild, StoppedBuildsLeaveNoIndexAndNoThread) {
    FakeEmulator emulator;
    emulator.addDatabase("db.xml", software("Konami"));
    SoftwareIndex index;
    const std::atomic<bool> stop{true};
    EXPECT_EQ(index.build(emulator.path(), stop), IndexOutcome::Stopped);
    EXPECT_FALSE(index.isBuilt());
    EXPECT_EQ(index.find(kSha1), nullptr);

    // Destroyed while it runs: the worker is stopped and joined, and no longer calls out.
    std::string many = "<db>";
    for (int i = 0; i < 2000; ++i)
        many += "<software><title>T</title><dump><rom><hash algo=\"sha1\">" + std::to_string(i) +
                "</hash></rom></dump></software>";
    for (int file = 0; file < 8; ++file)
        emulator.addDatabase("more" + std::to_string(file) + ".xml", many + "</db>");
    std::atomic<int> callsAfterDestruction{0};
    std::atomic<bool> destroyed{false};
    {
        SoftwareIndexBuild build;
        build.setListener([&] {
            if (destroyed)
                ++callsAfterDestruction;
        });
        build.start(emulator.path());
        build.start(emulator.path());
    }
    destroyed = true;
    EXPECT_EQ(callsAfterDestruction, 0);
}

TEST(SoftwareIndexBuild, TheApplicationTakesTheIndexAndOwesTheMessageOnce) {
    FakeEmulator emulator;
    emulator.addDatabase("db.xml", software("Konami"));
    TempDir base;
    base.write("settings.ini", emulator.path() + "\r\n\r\nGames\r\n");
    const std::string rom = base.write("a.rom", "abc");
    ScriptedPrompter prompter;
    CCorvaneLauncherApp app(base.path(), prompter);
    app.loadSettings();
    Game game;
    game.name = "A";
    game.slot1File = rom;

    app.buildSoftwareIndex();
    EXPECT_TRUE(app.softwareIndexPending());
    EXPECT_EQ(app.softwareOf(game, "Games"), nullptr);
    ASSERT_TRUE(app.waitForSoftwareIndex(kEnough));
    EXPECT_FALSE(app.softwareIndexPending());
    ASSERT_NE(app.softwareOf(game, "Games"), nullptr);
    EXPECT_EQ(app.softwareOf(game, "Games")->company, "Konami");
    app.reportSoftwareIndex();
    EXPECT_TRUE(prompter.messages.empty());

    // A new Corvane Path empties the index at once and reads again.
    emulator.removeDatabasesDirectory();
    emulator.write("Databases/readme.txt", "");
    Settings moved = app.settings();
    moved.emulatorDirectory += "/";
    ASSERT_TRUE(app.applySettings(moved));
    EXPECT_EQ(app.softwareOf(game, "Games"), nullptr);
    ASSERT_TRUE(app.waitForSoftwareIndex(kEnough));
    EXPECT_TRUE(prompter.messages.empty());
    app.reportSoftwareIndex();
    app.reportSoftwareIndex();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "No databases found in Corvane");
    EXPECT_FALSE(app.takeSoftwareIndex());

    // A file nested too deeply for the parser is passed over, and named once; the rest is read.
    emulator.addDatabase("db.xml", software("Konami"));
    std::string deep;
    for (int level = 0; level < 60000; ++level)
        deep += "<a>";
    const std::string deepFile = emulator.addDatabase("deep.xml", deep);
    moved.emulatorDirectory.pop_back();
    ASSERT_TRUE(app.applySettings(moved));
    ASSERT_TRUE(app.waitForSoftwareIndex(kEnough));
    ASSERT_NE(app.softwareOf(game, "Games"), nullptr);
    app.reportSoftwareIndex();
    app.reportSoftwareIndex();
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1].text,
              "Software databases passed over because they could not be read: " + deepFile);
}
