// SPDX-License-Identifier: GPL-3.0-or-later
// Launching with the real process starter: what the emulator programs receive, and which
// programs are started at all.
#include <gtest/gtest.h>

#include "emulator/Launcher.h"
#include "platform/CommandLine.h"
#include "platform/posix/PosixProcessStarter.h"
#include "support/FakeEmulator.h"
#include "support/RecordingShell.h"
#include "support/ScopedVariable.h"
#include "support/ScopedWorkingDirectory.h"
#include "support/ScriptedPrompter.h"

using namespace corvane;
using namespace corvane::test;
using Strings = std::vector<std::string>;

namespace {

class LauncherStartTest : public ::testing::Test {
protected:
    Settings settings;
    PosixProcessStarter starter;
    RecordingShell shell;
    ScriptedPrompter prompter;
    KeyTextSource texts;
    TempDir base;
    Launcher launcher{base.path(), settings, starter, shell, prompter, texts};

    Strings shownErrors() const {
        Strings keys;
        for (const auto& m : prompter.messages)
            keys.push_back(m.text);
        return keys;
    }
};

// Text a shell, a Tcl interpreter or a command-line splitter would act on.
std::string hostile(const std::string& tag) {
    return tag + ".rom\" -command \"exec touch PWNED; exit\" $(touch PWNED) `touch PWNED`;" +
           " two  blanks\ttab\nline\r\nbreak \\\" \"\" end\\";
}

}  // namespace

TEST_F(LauncherStartTest, EveryFieldReachesEachEmulatorAsOneArgument) {
    FakeEmulator emulator;
    emulator.addProgram("open msx/openmsx");
    emulator.addProgram("f\"msx/fmsx");
    settings.emulatorDirectory = emulator.path();
    settings.openMsxDirectory = emulator.path() + "/open msx";
    settings.fmsxDirectory = emulator.path() + "/f\"msx";
    settings.theme = hostile("theme");
    settings.fullScreen = true;
    // The free-form fields are split as a command line is.
    settings.openMsxArguments = "-machine \"Panasonic FS-A1GT\" -ext\tgfx9000";
    settings.fmsxArguments = "-msx2 \"a\\\"b\"";
    Game g;
    g.slot1File = hostile("slot1");
    g.slot1ZipEntry = hostile("member1");
    g.slot2File = hostile("slot2");
    g.slot2ZipEntry = hostile("member2");
    g.diskAFile = hostile("diskA");
    g.diskAZipEntry = hostile("memberA");
    g.diskBFile = hostile("diskB");
    g.diskBZipEntry = hostile("memberB");
    g.tapeFile = hostile("tape");
    g.tapeZipEntry = hostile("memberT");
    g.hardDiskPrimary = hostile("ide1");
    g.hardDiskSecondary = hostile("ide2");
    g.machine = hostile("machine");
    g.openMsxArguments = "-script \"my setup.tcl\" ; $(id)";
    g.fmsxArguments = "-ram 8 `id`";

    Strings shown;
    const auto confirm = [&shown](const std::string& line) {
        shown.push_back(line);
        return true;
    };
    // One start at a time: started programs run concurrently and would log in any order.
    std::vector<FakeEmulator::Call> calls;
    const auto launch = [&](const Game& profile, LaunchCommand command) {
        ASSERT_TRUE(launcher.launch(&profile, command, confirm));
        calls = emulator.waitForCalls(calls.size() + 1);
    };
    launch(g, LaunchCommand::SavedSettings);
    launch(g, LaunchCommand::OpenMSX);
    launch(g, LaunchCommand::FMSX);
    Game special;
    special.slot1Special = hostile("special");
    special.slot2Special = "/old \"place\"/SUNRISEIDE.rom";
    launch(special, LaunchCommand::GenericTurboR);

    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].program, emulator.executable());
    EXPECT_EQ(calls[0].arguments,
              (Strings{"/rom1",        g.slot1File,       "/rom1zip",       g.slot1ZipEntry,
                       "/rom2",        g.slot2File,       "/rom2zip",       g.slot2ZipEntry,
                       "/diskA",       g.diskAFile,       "/diskAzip",      g.diskAZipEntry,
                       "/diskB",       g.diskBFile,       "/diskBzip",      g.diskBZipEntry,
                       "/cas",         g.tapeFile,        "/caszip",        g.tapeZipEntry,
                       "/ide1primary", g.hardDiskPrimary, "/ide1secondary", g.hardDiskSecondary,
                       "/theme",       settings.theme,    "/fullscreen",    "/machine",
                       g.machine}));
    EXPECT_EQ(calls[1].program, settings.openMsxDirectory + "/openmsx");
    EXPECT_EQ(calls[1].arguments,
              (Strings{"-carta",          g.slot1File,         "-cartb", g.slot2File,
                       "-diska",          g.diskAFile,         "-diskb", g.diskBFile,
                       "-cassetteplayer", g.tapeFile,          "-hda",   g.hardDiskPrimary,
                       "-machine",        "Panasonic FS-A1GT", "-ext",   "gfx9000",
                       "-script",         "my setup.tcl",      ";",      "$(id)"}));
    EXPECT_EQ(calls[2].program, settings.fmsxDirectory + "/fmsx");
    EXPECT_EQ(calls[2].arguments,
              (Strings{"-diska", g.diskAFile, "-diskb", g.diskBFile, "-tape", g.tapeFile, "-msx2",
                       "a\"b", "-ram", "8", "`id`", g.slot1File, g.slot2File}));
    EXPECT_EQ(calls[3].arguments,
              (Strings{"/romtype1", special.slot1Special, "/rom2",
                       emulator.path() + "/Machines/Shared Roms/SUNRISEIDE.rom", "/theme",
                       settings.theme, "/fullscreen", "/machine", "MSXturboR"}));
    // The command-line window shows a text that reads back to exactly what was started.
    ASSERT_EQ(shown.size(), 4u);
    for (size_t i = 0; i < shown.size(); ++i) {
        Strings started{calls[i].program};
        started.insert(started.end(), calls[i].arguments.begin(), calls[i].arguments.end());
        EXPECT_EQ(splitCommandLine(shown[i]), started) << shown[i];
    }
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(LauncherStartTest, AnEmptyOrRelativeEmulatorFolderIsNeverLookedUp) {
    // Every place a bare or relative name could be found holds a program of that name.
    FakeEmulator onPath;
    FakeEmulator inWorkingDirectory;
    for (const FakeEmulator* place : {&onPath, &inWorkingDirectory}) {
        for (const char* name : {"openmsx", "fmsx", "bin/Corvane", "bin/openmsx", "bin/fmsx"})
            place->addProgram(name);
    }
    const ScopedWorkingDirectory cwd(inWorkingDirectory.path());
    const std::vector<std::string> paths = {onPath.path(), onPath.path() + ":", ":/usr/bin", ".",
                                            onPath.path() + "/bin::" + onPath.path()};
    const Game empty;
    size_t attempts = 0;
    for (const std::string& path : paths) {
        const ScopedVariable variable("PATH", path);
        for (const std::string& folder : {std::string(), std::string("bin"), std::string("."),
                                          std::string("./bin"), std::string("bin/")}) {
            settings.emulatorDirectory = settings.openMsxDirectory = settings.fmsxDirectory =
                folder;
            for (LaunchCommand command :
                 {LaunchCommand::SavedSettings, LaunchCommand::OpenMSX, LaunchCommand::FMSX}) {
                EXPECT_FALSE(launcher.launch(&empty, command)) << path << " | " << folder;
                ++attempts;
            }
        }
    }
    EXPECT_EQ(shownErrors(), Strings(attempts, "M_ERR_START_EMUL"));
    EXPECT_TRUE(onPath.waitForCalls(0).empty());
    EXPECT_TRUE(inWorkingDirectory.waitForCalls(0).empty());

    // The same installation named by its absolute folder starts.
    settings.emulatorDirectory = inWorkingDirectory.path();
    EXPECT_TRUE(launcher.launch(&empty, LaunchCommand::SavedSettings));
    const auto calls = inWorkingDirectory.waitForCalls(1);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].program, inWorkingDirectory.executable());
}
