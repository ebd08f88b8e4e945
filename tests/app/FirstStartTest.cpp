// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "app/CCorvaneLauncherApp.h"
#include "common/RegularFile.h"
#include "support/ScopedVariable.h"
#include "support/ScopedWorkingDirectory.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {

// Puts a file named openmsx in folder (under dir), executable or not.
void placeOpenMsx(const TempDir& dir, const std::string& folder, bool executable) {
    std::filesystem::create_directories(dir.file(folder));
    const std::string path = dir.write(folder + "/openmsx", "#!/bin/sh\nexit 0\n");
    ::chmod(path.c_str(), executable ? 0755 : 0644);
}

}  // namespace

TEST(FirstStartTest, OpenMsxPathIsTheFirstAbsoluteSearchFolderHoldingTheProgram) {
    TempDir tools;
    placeOpenMsx(tools, "relative", true);  // only reachable through a relative entry
    placeOpenMsx(tools, "plain", false);    // not executable
    std::filesystem::create_directories(tools.file("folder/openmsx"));  // a folder, not a file
    placeOpenMsx(tools, "installed", true);
    placeOpenMsx(tools, "later", true);
    ScopedWorkingDirectory inTools(tools.path());
    const ScopedVariable path("PATH", "relative:./relative::" + tools.file("missing") + ":" +
                                          tools.file("plain") + ":" + tools.file("folder") + ":" +
                                          tools.file("installed") + "/:" + tools.file("later"));

    TempDir base;
    ScriptedPrompter prompter;
    CCorvaneLauncherApp app(base.path(), prompter);
    app.loadSettings();
    EXPECT_EQ(app.settings().openMsxDirectory, tools.file("installed"));
    EXPECT_TRUE(app.settings().useDefaultViewer);
    EXPECT_TRUE(app.settings().emulatorDirectory.empty());
    // Taking the values writes nothing: settings.ini is made only by the user's saving.
    EXPECT_FALSE(std::filesystem::exists(base.file("settings.ini")));

    const ScopedVariable nowhere("PATH", "relative:" + tools.file("plain"));
    CCorvaneLauncherApp without(base.path(), prompter);
    without.loadSettings();
    EXPECT_TRUE(without.settings().openMsxDirectory.empty());
}

TEST(FirstStartTest, AnExistingSettingsFileKeepsItsValuesAndBytes) {
    TempDir tools;
    placeOpenMsx(tools, "bin", true);
    const ScopedVariable path("PATH", tools.file("bin"));
    TempDir base;
    // Short: the missing lines take the defaults, not the first-start values.
    const std::string bytes = "C:\\Corvane\r\nviewer.exe\r\n";
    base.write("settings.ini", bytes);
    ScriptedPrompter prompter;
    CCorvaneLauncherApp app(base.path(), prompter);
    app.loadSettings();
    EXPECT_EQ(app.settings().emulatorDirectory, "C:\\Corvane");
    EXPECT_EQ(app.settings().viewerPath, "viewer.exe");
    EXPECT_TRUE(app.settings().openMsxDirectory.empty());
    EXPECT_FALSE(app.settings().useDefaultViewer);
    EXPECT_EQ(readRegularFile(base.file("settings.ini")), bytes);

    // One that is there but cannot be read is no first start either.
    TempDir unreadable;
    std::filesystem::create_directories(unreadable.file("settings.ini"));
    CCorvaneLauncherApp other(unreadable.path(), prompter);
    other.loadSettings();
    EXPECT_TRUE(other.settings().openMsxDirectory.empty());
    EXPECT_FALSE(other.settings().useDefaultViewer);
}
