// SPDX-License-Identifier: GPL-3.0-or-later
// Emulator folders named relative to the base directory, and a base directory with openMSX as
// its only emulator.
#include <gtest/gtest.h>

#include <chrono>
#include <set>

#include "app/CCorvaneLauncherApp.h"
#include "app/ProfileProperties.h"
#include "support/FakeEmulator.h"
#include "support/ScopedVariable.h"
#include "support/ScopedWorkingDirectory.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {

constexpr std::chrono::seconds kEnough(60);
// SHA-1 of the bytes "abc".
constexpr const char* kAbc = "a9993e364706816aba3e25717850c26c9cd0d89d";

// settings.ini with the three emulator folders and empty lines elsewhere.
std::string settingsFile(const std::string& corvane, const std::string& openMsx,
                         const std::string& fmsx) {
    std::string lines[17];
    lines[0] = corvane;
    lines[2] = "Games";
    lines[11] = openMsx;
    lines[15] = fmsx;
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::string openMsxDb(const std::string& company, const std::string& sha1) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<softwaredb>\n<software>\n\t<title>Game"
           "</title>\n\t<system>MSX</system>\n\t<company>" +
           company +
           "</company>\n\t<year>1987</year>\n\t<country>JP</country>\n\t\t<dump><rom>"
           "<hash>" +
           sha1 + "</hash></rom></dump>\n</software>\n</softwaredb>\n";
}

}  // namespace

TEST(EmulatorFolders, RelativeFoldersAreCheckedAndStartedFromTheBaseDirectory) {
    // The base directory holds the three emulators below it.
    FakeEmulator base;
    const std::string corvane = base.addProgram("emulators/corvane/Corvane");
    base.write("emulators/corvane/Databases/software.xml", "<db/>");
    const std::string openMsx = base.addProgram("emulators/openmsx/bin/openmsx");
    const std::string fmsx = base.addProgram("emulators/fmsx/fmsx");
    base.write("settings.ini",
               settingsFile("emulators/corvane", "emulators/openmsx/bin", "emulators/fmsx"));
    // Started from elsewhere, as the command line may be.
    TempDir elsewhere;
    const ScopedWorkingDirectory cwd(elsewhere.path());
    ScriptedPrompter prompter;
    CCorvaneLauncherApp app(base.path(), prompter);
    app.loadSettings();

    EXPECT_TRUE(app.launcher().isEmulatorPathValid(false));
    EXPECT_TRUE(app.launcher().isEmulatorPathValid(true));
    Game game;
    game.name = "Game";
    game.slot1File = base.write("game.rom", "abc");
    EXPECT_TRUE(app.launcher().launch(&game, LaunchCommand::SavedSettings));
    EXPECT_TRUE(app.launcher().launch(&game, LaunchCommand::OpenMSX));
    EXPECT_TRUE(app.launcher().launch(&game, LaunchCommand::FMSX));
    const std::vector<FakeEmulator::Call> calls = base.waitForCalls(3);
    ASSERT_EQ(calls.size(), 3u);
    std::set<std::string> started;
    for (const FakeEmulator::Call& call : calls)
        started.insert(call.program);
    EXPECT_EQ(started, (std::set<std::string>{corvane, openMsx, fmsx}));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST(EmulatorFolders, ABaseDirectoryWithOnlyOpenMsxReadsItsSoftwareDatabase) {
    FakeEmulator base;
    const std::string openMsx = base.addProgram("openmsx/bin/openmsx");
    base.write("openmsx/share/openmsx/softwaredb.xml", openMsxDb("Konami", kAbc));
    base.write("settings.ini", settingsFile("", "openmsx/bin", ""));
    TempDir home;
    const ScopedVariable homeVariable("HOME", home.path());
    ScriptedPrompter prompter;
    CCorvaneLauncherApp app(base.path(), prompter);
    app.loadSettings();
    Game known;
    known.name = "Known";
    known.slot1File = base.write("known.rom", "abc");
    Game unknown;
    unknown.name = "Unknown";
    unknown.slot1File = base.write("unknown.rom", "abcd");

    app.buildSoftwareIndex();
    ASSERT_TRUE(app.waitForSoftwareIndex(kEnough));
    EXPECT_EQ(app.statusLine(known), "Konami 1987 - 0 KB");
    app.filter().company = "Konami";
    ProfileFilter byCompany = app.makeProfileFilter();
    EXPECT_TRUE(byCompany.accepts(known));
    EXPECT_FALSE(byCompany.accepts(unknown));
    Sha1Cache cache;
    PropertiesSubject subject =
        lookUpProperties(known, "Games", app.softwareSources(), cache, prompter, app.texts());
    ASSERT_TRUE(subject.entry);
    EXPECT_EQ(subject.entry->company, "Konami");

    // The user's own database, once there, is read first; a new openMSX path reads again.
    home.write(".openMSX/share/softwaredb.xml", openMsxDb("Mine", kAbc));
    Settings moved = app.settings();
    moved.openMsxDirectory += "/";
    ASSERT_TRUE(app.applySettings(moved));
    ASSERT_TRUE(app.waitForSoftwareIndex(kEnough));
    EXPECT_EQ(app.statusLine(known), "Mine 1987 - 0 KB");
    app.filter().company = "Mine";
    ProfileFilter byUsersCompany = app.makeProfileFilter();
    EXPECT_TRUE(byUsersCompany.accepts(known));
    EXPECT_FALSE(byUsersCompany.accepts(unknown));

    EXPECT_TRUE(app.launcher().launch(&known, LaunchCommand::OpenMSX));
    const std::vector<FakeEmulator::Call> calls = base.waitForCalls(1);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].program, openMsx);
    EXPECT_TRUE(prompter.messages.empty());
}
