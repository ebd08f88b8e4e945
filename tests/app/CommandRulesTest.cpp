// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandRules.h"

#include <gtest/gtest.h>

#include "app/CCorvaneLauncherApp.h"
#include "support/FakeEmulator.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace corvane {
namespace {

using test::FakeEmulator;
using test::ScriptedPrompter;
using test::TempDir;

TEST(CommandRulesTest, EachRuleNamesWhatIsMissingUntilItIsThere) {
    TempDir dir;
    ScriptedPrompter prompter;
    CCorvaneLauncherApp app(dir.path(), prompter);
    Settings settings = app.settings();
    settings.emulatorDirectory = settings.openMsxDirectory = settings.fmsxDirectory = "";
    ASSERT_TRUE(app.applySettings(settings));
    const Launcher& launcher = app.launcher();

    EXPECT_EQ(fillDatabaseRule(launcher, true).missing, "M_NEED_EMULATOR_PATH");
    EXPECT_TRUE(fillDatabaseRule(launcher, true).metInSettings);
    EXPECT_EQ(emulatorRule(launcher, LaunchCommand::OpenMSX).missing, "M_NEED_OPENMSX_PATH");
    EXPECT_EQ(emulatorRule(launcher, LaunchCommand::FMSX).missing, "M_NEED_FMSX_PATH");
    EXPECT_TRUE(emulatorRule(launcher, LaunchCommand::GenericMSX2).available());
    EXPECT_EQ(databaseRule(app.store()).missing, "M_NEED_DATABASE");
    EXPECT_FALSE(databaseRule(app.store()).metInSettings);
    EXPECT_EQ(moveRule(app.store()).missing, "M_NEED_SECOND_DATABASE");

    // A folder set but holding no openMSX is no emulator to fill with; one holding it is.
    settings.openMsxDirectory = dir.path();
    ASSERT_TRUE(app.applySettings(settings));
    EXPECT_FALSE(fillDatabaseRule(launcher, true).available());
    EXPECT_TRUE(emulatorRule(launcher, LaunchCommand::OpenMSX).available());
    FakeEmulator installation;
    installation.addProgram("bin/openmsx");
    settings.openMsxDirectory = installation.path() + "/bin";
    ASSERT_TRUE(app.applySettings(settings));
    EXPECT_TRUE(fillDatabaseRule(launcher, true).available());

    dir.write("Games.db", "");
    app.store().forgetDatabaseList();
    EXPECT_TRUE(databaseRule(app.store()).available());
    EXPECT_FALSE(moveRule(app.store()).available());
    dir.write("Other.db", "");
    app.store().forgetDatabaseList();
    EXPECT_TRUE(moveRule(app.store()).available());
}

TEST(CommandRulesTest, SelectionRules) {
    Game withInfo;
    withInfo.infoFile = "readme.txt";
    const Game without;
    EXPECT_EQ(oneProfileRule(0, nullptr).missing, "M_NEED_ONE_PROFILE");
    EXPECT_EQ(oneProfileRule(2, nullptr).missing, "M_NEED_ONE_PROFILE");
    // A line whose profile is not among those shown is no profile to act on.
    EXPECT_FALSE(oneProfileRule(1, nullptr).available());
    EXPECT_TRUE(oneProfileRule(1, &without).available());
    EXPECT_EQ(profilesRule(0).missing, "M_NEED_PROFILES");
    EXPECT_TRUE(profilesRule(3).available());
    EXPECT_EQ(infoRule(2, nullptr).missing, "M_NEED_ONE_PROFILE");
    EXPECT_EQ(infoRule(1, &without).missing, "M_NEED_INFO_FILE");
    EXPECT_TRUE(infoRule(1, &withInfo).available());
}

}  // namespace
}  // namespace corvane
