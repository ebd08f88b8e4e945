// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/CCorvaneLauncherApp.h"
#include "support/FakeEmulator.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

TEST(MachineListTest, KeptForItsCorvanePathAndListedAnewForAnother) {
    TempDir dir;
    ScriptedPrompter prompter;
    FakeEmulator first;
    FakeEmulator second;
    first.addMachine("MSX2 - C-BIOS", "[Slots]\r\n");
    second.addMachine("Other", "[Slots]\r\n");
    dir.write("settings.ini", first.path() + "\r\n");
    CCorvaneLauncherApp app(dir.path(), prompter);
    EXPECT_TRUE(app.machineList().empty());  // before the settings are read
    app.loadSettings();
    EXPECT_EQ(app.machineList(), std::vector<std::string>{"MSX2 - C-BIOS"});
    // Listing is slow, so a machine added later shows only with another Corvane Path.
    first.addMachine("Later", "[Slots]\r\n");
    EXPECT_EQ(app.machineList().size(), 1u);
    Settings settings = app.settings();
    settings.emulatorDirectory = second.path();
    ASSERT_TRUE(app.applySettings(settings));
    EXPECT_EQ(app.machineList(), std::vector<std::string>{"Other"});
}
