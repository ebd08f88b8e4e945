// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/ProfileMark.h"

#include <gtest/gtest.h>

#include "media/MediumSize.h"
#include "model/Game.h"
#include "support/TempDir.h"
#include "support/ZipFixture.h"

using namespace corvane;
using corvane::test::patternBytes;

TEST(MediumSizeTest, LooseFilesAndZipMembers) {
    test::TempDir dir;
    EXPECT_EQ(MainMediumSize(dir.write("a.rom", patternBytes(1000)), ""), "0 KB");
    EXPECT_EQ(MainMediumSize(dir.write("b.rom", patternBytes(2047)), "entry ignored"), "1 KB");
    EXPECT_EQ(MainMediumSize(dir.write("c.dsk", patternBytes(737280)), ""), "720 KB");
    EXPECT_EQ(MainMediumSize(dir.file("missing.rom"), ""), "");
    EXPECT_EQ(MainMediumSize("", ""), "");

    const std::string zip = dir.file("Set.Zip");
    ASSERT_NO_FATAL_FAILURE(test::writeZip(
        zip, {{"small.rom", patternBytes(1023)}, {"Big.ROM", patternBytes(131072)}}));
    EXPECT_EQ(MainMediumSize(zip, ""), "0 KB");
    EXPECT_EQ(MainMediumSize(zip, "big.rom"), "128 KB");
    EXPECT_EQ(MainMediumSize(zip, "none.rom"), "");
    EXPECT_EQ(MainMediumSize(dir.write("noise.zip", patternBytes(3000)), ""), "");
}

TEST(ProfileMarkTest, FirstApplicableMarkInOrder) {
    test::TempDir dir;
    Game game;
    game.slot2File = dir.file("missing.rom");  // never the main medium
    EXPECT_EQ(profileMark(game), ProfileMark::MissingGeneration);

    game.diskAFile = dir.file("missing.dsk");
    EXPECT_EQ(profileMark(game), ProfileMark::Invalid);
    game.diskAFile = dir.write("present.dsk", "x");
    EXPECT_EQ(profileMark(game), ProfileMark::MissingGeneration);

    game.generation[2] = true;
    EXPECT_EQ(profileMark(game), ProfileMark::MissingSound);
    game.sound[7] = true;
    game.genre2 = 5;
    EXPECT_EQ(profileMark(game), ProfileMark::MissingGenre);
    game.genre1 = 30;
    EXPECT_EQ(profileMark(game), ProfileMark::None);

    // Invalid outranks everything, also a member missing from an archive.
    const std::string zip = dir.file("set.zip");
    ASSERT_NO_FATAL_FAILURE(test::writeZip(zip, {{"game.rom", "x"}}));
    game.slot1File = zip;
    game.slot1ZipEntry = "GAME.ROM";
    EXPECT_EQ(profileMark(game), ProfileMark::None);
    game.slot1ZipEntry = "other.rom";
    EXPECT_EQ(profileMark(game), ProfileMark::Invalid);
}

TEST(ProfileMarkTest, EachModeIsMetOnItsOwn) {
    test::TempDir dir;
    Game game;
    game.slot1File = dir.file("missing.rom");
    game.generation[0] = true;
    // Invalid and without sound: the list marks it under either mode, not only the first.
    EXPECT_TRUE(meetsMark(game, ProfileMark::Invalid));
    EXPECT_FALSE(meetsMark(game, ProfileMark::MissingGeneration));
    EXPECT_TRUE(meetsMark(game, ProfileMark::MissingSound));
    EXPECT_TRUE(meetsMark(game, ProfileMark::MissingGenre));
    EXPECT_FALSE(meetsMark(game, ProfileMark::None));
    game.genre2 = 4;  // a second genre alone still counts as missing
    EXPECT_TRUE(meetsMark(game, ProfileMark::MissingGenre));
}
