// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <sstream>

#include "app/CCorvaneLauncherApp.h"
#include "cli/CliContext.h"
#include "cli/CliWorkspace.h"
#include "i18n/LanguageIds.h"
#include "model/Settings.h"
#include "support/FakeEmulator.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {

TEST(CliWorkspaceTest, ReadsTheBaseDirectoryAsTheLauncherDoes) {
    TempDir base;
    TempDir bin;
    FakeEmulator emulator;
    std::ostringstream stream;
    const std::atomic<bool> interrupted = false;
    const CliContext context{.out = stream,
                             .err = stream,
                             .workingDirectory = "/",
                             .interrupted = interrupted,
                             .xdgDataHome = {},
                             .home = {},
                             .searchPath = bin.path()};
    // A first start finds openMSX on the PATH and writes nothing.
    writeScript(bin, "openmsx", "exit 0\n");
    ScriptedPrompter prompter;
    EXPECT_EQ(CliWorkspace(base.path(), prompter, context).settings().openMsxDirectory, bin.path());
    EXPECT_TRUE(std::filesystem::is_empty(base.path()));

    emulator.addMachine("Real MSX", "[Slots]\n");
    emulator.addDatabase("soft.xml",
                         "<db><software><title>Known Title</title><dump><rom><hash "
                         "algo=\"sha1\">0123456789abcdef0123456789abcdef01234567</hash>"
                         "</rom></dump></software></db>");
    Settings settings;
    settings.languageId = kLanguageGerman;
    // Relative folders are the base directory's, wherever the program runs.
    settings.emulatorDirectory = std::filesystem::relative(emulator.path(), base.path());
    settings.openMsxDirectory = "openmsx";
    settings.defaultDatabaseName = "Games";
    ASSERT_TRUE(saveSettings(base.path(), settings));

    CliWorkspace workspace(base.path(), prompter, context);
    CCorvaneLauncherApp app(base.path(), prompter);
    app.loadSettings();
    EXPECT_EQ(workspace.settings(), app.settings());
    EXPECT_EQ(workspace.texts().text("M_ERR_NO_DB_SEL"), app.texts().text("M_ERR_NO_DB_SEL"));
    EXPECT_NE(workspace.texts().text("M_ERR_NO_DB_SEL"), LanguageManager().text("M_ERR_NO_DB_SEL"));
    EXPECT_EQ(workspace.corvanePath(), app.corvanePath());
    EXPECT_TRUE(workspace.softwareSources() == app.softwareSources());
    EXPECT_EQ(workspace.machineList(), (std::vector<std::string>{"Real MSX"}));
    EXPECT_EQ(workspace.store().currentDatabaseName(), "Games");
    const SoftwareSummary* found =
        workspace.softwareIndex().find("0123456789abcdef0123456789abcdef01234567");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->title, "Known Title");
    EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
