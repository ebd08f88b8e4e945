// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/DefaultEmulator.h"

#include <gtest/gtest.h>

#include "emulator/Launcher.h"
#include "support/FakeEmulator.h"
#include "support/RecordingShell.h"
#include "support/RecordingStarter.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

TEST(DefaultEmulatorTest, StoredChoiceReadsBackAndOddFilesMeanAutomatic) {
    TempDir base;
    EXPECT_EQ(readDefaultEmulator(base.path()), DefaultEmulator::Automatic);
    for (DefaultEmulator choice : {DefaultEmulator::OpenMSX, DefaultEmulator::FMSX,
                                   DefaultEmulator::Corvane, DefaultEmulator::Automatic}) {
        ASSERT_TRUE(writeDefaultEmulator(base.path(), choice));
        EXPECT_EQ(readDefaultEmulator(base.path()), choice);
    }
    ASSERT_TRUE(writeDefaultEmulator(base.path(), DefaultEmulator::OpenMSX));
    EXPECT_EQ(readFile(base.file(kDefaultEmulatorFileName)), "openMSX\r\n");

    // Hand edits: other letter case, blanks, a bare line end, lines after the first.
    base.write(kDefaultEmulatorFileName, "  FMSX \nopenMSX\n");
    EXPECT_EQ(readDefaultEmulator(base.path()), DefaultEmulator::FMSX);
    for (const char* odd : {"", "\r\n", "MAME\r\n", "\r\nfMSX\r\n", "openMSX2"}) {
        base.write(kDefaultEmulatorFileName, odd);
        EXPECT_EQ(readDefaultEmulator(base.path()), DefaultEmulator::Automatic) << odd;
    }

    // A folder of that name cannot be read and is not replaced.
    TempDir blocked;
    blocked.write(std::string(kDefaultEmulatorFileName) + "/inside", "x");
    EXPECT_EQ(readDefaultEmulator(blocked.path()), DefaultEmulator::Automatic);
    EXPECT_FALSE(writeDefaultEmulator(blocked.path(), DefaultEmulator::FMSX));
}

TEST(DefaultEmulatorTest, AutomaticTakesTheFirstInstalledEmulator) {
    FakeEmulator corvane;
    FakeEmulator others;
    const std::string openMsx = others.addProgram("bin/openmsx");
    Settings settings;
    RecordingStarter starter;
    RecordingShell shell;
    ScriptedPrompter prompter;
    KeyTextSource texts;
    TempDir base;
    Launcher launcher{base.path(), settings, starter, shell, prompter, texts};

    // Nothing installed: fMSX, as the last resort.
    EXPECT_EQ(launcher.defaultCommand(), LaunchCommand::FMSX);
    // A folder without the program is not openMSX.
    settings.openMsxDirectory = others.path();
    EXPECT_EQ(launcher.defaultCommand(), LaunchCommand::FMSX);
    settings.openMsxDirectory = others.path() + "/bin";
    EXPECT_EQ(launcher.defaultCommand(), LaunchCommand::OpenMSX);
    settings.emulatorDirectory = corvane.path();
    EXPECT_EQ(launcher.defaultCommand(), LaunchCommand::SavedSettings);

    // A choice holds whatever is installed.
    launcher.setDefaultEmulator(DefaultEmulator::OpenMSX);
    EXPECT_EQ(launcher.defaultCommand(), LaunchCommand::OpenMSX);
    launcher.setDefaultEmulator(DefaultEmulator::FMSX);
    EXPECT_EQ(launcher.defaultCommand(), LaunchCommand::FMSX);
    settings.emulatorDirectory.clear();
    launcher.setDefaultEmulator(DefaultEmulator::Corvane);
    EXPECT_EQ(launcher.defaultCommand(), LaunchCommand::SavedSettings);

    // The command-line window is shown the program before its arguments.
    bool asked = false;
    const auto confirm = [&](const std::string& line) {
        EXPECT_EQ(line, "\"" + openMsx + "\" -carta \"/media/a b.rom\"");
        asked = true;
        return false;
    };
    Game profile;
    profile.slot1File = "/media/a b.rom";
    EXPECT_TRUE(launcher.launch(&profile, LaunchCommand::OpenMSX, confirm));
    EXPECT_TRUE(asked);
    EXPECT_TRUE(starter.started.empty());
}
