// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/CaptureFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "emulator/EmulatorInstallation.h"
#include "model/Game.h"
#include "support/FakeEmulator.h"
#include "support/ScopedWorkingDirectory.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

TEST(CaptureFilesTest, OnlyBaseNameUnderscoreExactDigitsAndExtensionCount) {
    TempDir dir;
    dir.write("Knight_0000.png", "a");
    dir.write("Knight_0001.png", "b");
    dir.write("Knight_01.png", "c");
    EXPECT_EQ(countCaptures(dir.path(), "Knight", "png", 4),
              (CaptureCount{2, dir.file("Knight_0000.png")}));
    EXPECT_EQ(countCaptures(dir.path(), "Knight", "png", 2),
              (CaptureCount{1, dir.file("Knight_01.png")}));

    // Letter case is ignored in the base name and the extension, as for the screenshots shown.
    dir.write("knight_0002.PNG", "d");
    // Near misses.
    for (const char* name :
         {"Knight_00000.png", "Knight_000a.png", "Knight-0003.png", "Knight_0004.png.bak",
          "Knight_0005png", "Knightmare_0000.png", "XKnight_0000.png", "Knight_0006.jpg",
          "Knight__0007.png", "Knight_ 008.png", "Knight_-001.png"})
        dir.write(name, "x");
    std::filesystem::create_directory(dir.file("Knight_0009.png"));
    EXPECT_EQ(countCaptures(dir.path(), "Knight", "png", 4).count, 3u);
    EXPECT_EQ(countCaptures(dir.path(), "KNIGHT", "PNG", 4).count, 3u);
    EXPECT_EQ(countCaptures(dir.path(), "Knightmare", "png", 4).count, 1u);

    // The first in listing order is the one the file manager shows, whichever was written first.
    TempDir other;
    other.write("Game_07.wav", "");
    other.write("game_03.WAV", "");
    EXPECT_EQ(countCaptures(other.path(), "Game", "wav", 2),
              (CaptureCount{2, other.file("game_03.WAV")}));

    // No medium, no captures; a folder that is not there has none either.
    dir.write("_0000.png", "x");
    EXPECT_EQ(countCaptures(dir.path(), "", "png", 4), CaptureCount{});
    EXPECT_EQ(countCaptures(dir.file("missing"), "Knight", "png", 4), CaptureCount{});
}

TEST(CaptureFilesTest, AProfilesFourKindsInTheEmulatorsFolders) {
    FakeEmulator emulator;
    emulator.write("QuickSave/Knight_00.sta", "s");
    emulator.write("QuickSave/Knight_01.sta", "s");
    emulator.write("QuickSave/Knight_0001.sta", "s");
    emulator.write("Screenshots/knight_0000.png", "p");
    emulator.write("Video Capture/Knight_00.cap", "v");
    emulator.write("Video Capture/Knight_00.wav", "v");
    emulator.write("Audio Capture/_00.wav", "a");
    Game profile;
    profile.slot1File = "/msx/Knight.zip";
    profile.slot1ZipEntry = "Knight.rom";

    const EmulatorInstallation installation(emulator.path());
    const auto counts = profileCaptures(installation, profile);
    EXPECT_EQ(counts[0], (CaptureCount{2, emulator.path() + "/QuickSave/Knight_00.sta"}));
    EXPECT_EQ(counts[1], (CaptureCount{1, emulator.path() + "/Screenshots/knight_0000.png"}));
    EXPECT_EQ(counts[2], (CaptureCount{1, emulator.path() + "/Video Capture/Knight_00.cap"}));
    EXPECT_EQ(counts[3], CaptureCount{});

    // A profile without a medium owns none of the files without a base name.
    const auto none = profileCaptures(installation, Game{});
    EXPECT_EQ(none[3], CaptureCount{});

    // Without a Corvane Path nothing is looked for, not even under the working directory.
    const ScopedWorkingDirectory inside(emulator.path());
    for (const CaptureCount& count : profileCaptures(EmulatorInstallation(""), profile))
        EXPECT_EQ(count, CaptureCount{});
}
