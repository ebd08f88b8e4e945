// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "model/Settings.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

TEST(SettingsTest, DefaultsNormalisationAndRoundTrip) {
    TempDir dir;
    EXPECT_EQ(loadSettings(dir.path()), Settings{});

    dir.write("settings.ini", "/emu\r\n/viewer\r\nGames\r\n");
    Settings three = loadSettings(dir.path());
    EXPECT_EQ(three.defaultDatabaseName, "Games");
    EXPECT_TRUE(three.fullScreen);
    EXPECT_FALSE(three.screenshotsOn);
    EXPECT_EQ(three.imageType, "PNG");
    EXPECT_EQ(three.screenshotCount, 1);
    EXPECT_EQ(three.backgroundLayout, "BG_IMAGE_LAYOUT_CENTRED");
    EXPECT_EQ(three.languageId, 0);
    EXPECT_FALSE(three.useDefaultViewer);

    dir.write("settings.ini",
              "\n\n\n\nyes\n1\nTIFF\n3\nmaybe\n\nStretched\n\n\n12abc\n1\n/fmsx\n-ram 2\nextra\n");
    Settings odd = loadSettings(dir.path());
    EXPECT_TRUE(odd.fullScreen);
    EXPECT_TRUE(odd.screenshotsOn);
    EXPECT_EQ(odd.imageType, "PNG");
    EXPECT_EQ(odd.screenshotCount, 1);
    EXPECT_FALSE(odd.customBackground);
    EXPECT_EQ(odd.backgroundLayout, "BG_IMAGE_LAYOUT_STRETCHED");
    EXPECT_EQ(odd.languageId, 12);
    EXPECT_TRUE(odd.useDefaultViewer);
    EXPECT_EQ(odd.fmsxArguments, "-ram 2");
    dir.write("settings.ini", std::string(10, '\n') + "Tiled\n");
    EXPECT_EQ(loadSettings(dir.path()).backgroundLayout, "BG_IMAGE_LAYOUT_TILED");
    dir.write("settings.ini", std::string(10, '\n') + "Centred\n");
    EXPECT_EQ(loadSettings(dir.path()).backgroundLayout, "BG_IMAGE_LAYOUT_CENTRED");

    Settings s;
    s.emulatorDirectory = "/opt/emu";
    s.screenshotsOn = true;
    s.imageType = "GIF";
    s.screenshotCount = 2;
    s.backgroundLayout = "BG_IMAGE_LAYOUT_TILED";
    s.languageId = 7;
    s.fullScreen = false;
    ASSERT_TRUE(saveSettings(dir.path(), s));
    EXPECT_EQ(loadSettings(dir.path()), s);
    const std::string written = readFile(dir.file("settings.ini"));
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 17);
    EXPECT_EQ(written.find("\r\n"), std::string("/opt/emu").size());

    s.screenshotsOn = false;
    ASSERT_TRUE(saveSettings(dir.path(), s));
    EXPECT_EQ(loadSettings(dir.path()).imageType, "PNG");
    s.imageType = "PNG";

    std::filesystem::create_directory(dir.file("settings.ini.tmp"));
    Settings other = s;
    other.defaultDatabaseName = "Changed";
    EXPECT_FALSE(saveSettings(dir.path(), other));
    EXPECT_EQ(loadSettings(dir.path()), s);
}

TEST(SettingsTest, SettingsThatCannotBeReadAreNotReplacedByTheDefaults) {
    TempDir dir;
    const std::string content = "/emu\r\n/viewer\r\nGames\r\n";
    const std::string path = dir.write("settings.ini", content);
    ::chmod(path.c_str(), 0);
    EXPECT_TRUE(passesObeyingPermissions([&] {
        Settings shown = loadSettings(dir.path());
        shown.languageId = 7;
        return shown.defaultDatabaseName.empty() && !saveSettings(dir.path(), shown);
    }));
    ::chmod(path.c_str(), 0600);
    EXPECT_EQ(readFile(path), content);
}
