// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FileNameCase.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/ScopedWorkingDirectory.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

TEST(FileNameCaseTest, ExactNameFirstThenTheFirstByteOrderMatch) {
    TempDir dir;
    const std::string exact = dir.write("Knight_0000.PNG", "exact");
    dir.write("knight_0000.png", "other");
    EXPECT_EQ(findFileIgnoringCase(exact), exact);

    // Of several matches the byte-wise first wins, however the folder lists them.
    dir.write("Shot_0000.png", "a");
    dir.write("SHOT_0000.png", "b");
    dir.write("shot_0000.PNG", "c");
    EXPECT_EQ(findFileIgnoringCase(dir.file("Shot_0000.PNG")), dir.file("SHOT_0000.png"));

    // Only ASCII letters fold; other bytes must be equal.
    dir.write("Caf\xC3\xA9.rom", "x");
    EXPECT_EQ(findFileIgnoringCase(dir.file("CAF\xC3\xA9.ROM")), dir.file("Caf\xC3\xA9.rom"));
    EXPECT_EQ(findFileIgnoringCase(dir.file("CAF\xC3\x89.ROM")), std::nullopt);
    EXPECT_EQ(findFileIgnoringCase(dir.file("Knight_0000.PN")), std::nullopt);
    EXPECT_EQ(findFileIgnoringCase(dir.file("missing/Knight_0000.PNG")), std::nullopt);

    // A dangling link is no file, whatever its name.
    std::filesystem::create_symlink(dir.file("gone"), dir.file("link.rom"));
    EXPECT_EQ(findFileIgnoringCase(dir.file("LINK.ROM")), std::nullopt);
    EXPECT_EQ(findFileIgnoringCase(dir.file("link.rom")), std::nullopt);

    // A bare name is looked for in the working directory.
    ScopedWorkingDirectory here(dir.path());
    EXPECT_EQ(findFileIgnoringCase("KNIGHT_0000.png"), "Knight_0000.PNG");
    EXPECT_EQ(findFileIgnoringCase("SHOT_0000.PNG"), "SHOT_0000.png");
}
