// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "common/Path.h"
#include "model/Game.h"
#include "support/TempDir.h"
#include "tools/ImportExtraDataHandler.h"

using namespace corvane;
using corvane::test::TempDir;

namespace {

ExtraDataRecord makeRecord(int32_t id, uint8_t generation, uint8_t sound, uint8_t genre1,
                           uint8_t genre2) {
    ExtraDataRecord record;
    record.id = id;
    record.generation = generation;
    record.sound = sound;
    record.genre1 = genre1;
    record.genre2 = genre2;
    return record;
}

Game profile(int generation, int sound, int genre1, int genre2) {
    Game game;
    game.name = "Profile";
    game.setGenerationValue(generation);
    game.setSoundValue(sound);
    game.genre1 = genre1;
    game.genre2 = genre2;
    return game;
}

}  // namespace

TEST(ImportIntoProfile, FlagsAreReplacedOrAddedAndEveryChosenModeCounts) {
    TempDir dir;
    dir.write("extra-data.dat", "#0\r\n19,145,7|9,\r\n" + std::string(40, 'a') + "\r\n");
    const ImportExtraDataHandler handler(dir.path(), true);
    ASSERT_NE(handler.Find(std::string(40, 'a')), nullptr);
    const ExtraDataRecord& record = *handler.Find(std::string(40, 'a'));

    Game game = profile(8, 2, 0, 0);
    // The defaults change nothing, and an id of 0 brings nothing of its own.
    EXPECT_FALSE(handler.ImportIntoProfile(game, record, ExtraDataOptions{}));
    EXPECT_EQ(game, profile(8, 2, 0, 0));

    ExtraDataOptions merge;
    merge.generation = MergeMode::Merge;
    merge.sound = MergeMode::Merge;
    EXPECT_TRUE(handler.ImportIntoProfile(game, record, merge));
    // MSX and MSX2 join Turbo-R; the record's fifth bit is no generation.
    EXPECT_EQ(game.generationValue(), 1 | 2 | 8);
    EXPECT_EQ(game.soundByte(), 1 | 2 | 16 | 128);
    EXPECT_EQ(game.genre1, 0);

    ExtraDataOptions overwrite;
    overwrite.generation = MergeMode::Overwrite;
    overwrite.sound = MergeMode::Overwrite;
    EXPECT_TRUE(handler.ImportIntoProfile(game, record, overwrite));
    EXPECT_EQ(game.generationValue(), 1 | 2);
    EXPECT_EQ(game.soundByte(), 1 | 16 | 128);
    // A chosen mode counts even when the profile already held the record's flags.
    const Game before = game;
    ExtraDataOptions soundOnly;
    soundOnly.sound = MergeMode::Merge;
    EXPECT_TRUE(handler.ImportIntoProfile(game, record, soundOnly));
    EXPECT_EQ(game, before);
}

TEST(ImportIntoProfile, GenreMergeFillsOnlyFreePlaces) {
    TempDir dir;
    const ImportExtraDataHandler handler(dir.path());
    const ExtraDataRecord record = makeRecord(0, 0, 0, 7, 9);
    ExtraDataOptions merge;
    merge.genre = MergeMode::Merge;
    struct Case {
        int genre1, genre2;
        bool counted;
        int expected1, expected2;
    };
    const Case cases[] = {
        {0, 0, true, 7, 9},   // both free: the record's two genres
        {0, 3, true, 7, 3},   // the first free: the second stays
        {4, 0, true, 4, 7},   // the second free: it takes the record's first genre
        {4, 5, false, 4, 5},  // both taken: nothing
    };
    for (const Case& c : cases) {
        Game game = profile(0, 0, c.genre1, c.genre2);
        EXPECT_EQ(handler.ImportIntoProfile(game, record, merge), c.counted) << c.genre1;
        EXPECT_EQ(game.genre1, c.expected1) << c.genre1;
        EXPECT_EQ(game.genre2, c.expected2) << c.genre1;
    }

    ExtraDataOptions overwrite;
    overwrite.genre = MergeMode::Overwrite;
    Game game = profile(0, 0, 4, 5);
    EXPECT_TRUE(handler.ImportIntoProfile(game, makeRecord(0, 0, 0, 2, 0), overwrite));
    EXPECT_EQ(game.genre1, 2);
    EXPECT_EQ(game.genre2, 0);
    // A genre a profile cannot hold (above 127) becomes none rather than spilling over.
    EXPECT_TRUE(handler.ImportIntoProfile(game, makeRecord(0, 0, 0, 200, 3), overwrite));
    EXPECT_EQ(game.genre1, 0);
    EXPECT_EQ(game.genre2, 3);
    EXPECT_TRUE(handler.ImportIntoProfile(game, makeRecord(0, 0, 0, 200, 8), merge));
    EXPECT_EQ(game.genre1, 0);
    EXPECT_EQ(game.genre2, 3);
}

TEST(ImportIntoProfile, IdAndLinkFollowTheSitesRangeAndTheInfoFileMode) {
    TempDir dir;
    const ImportExtraDataHandler handler(dir.path());
    const std::string link = "https://www.generation-msx.nl/msxdb/softwareinfo/1234";
    const ExtraDataRecord record = makeRecord(1234, 2, 1, 3, 0);

    // The id is taken whatever the modes; taking it again is no change.
    Game game;
    game.infoFile = "manual.txt";
    EXPECT_TRUE(handler.ImportIntoProfile(game, record, ExtraDataOptions{}));
    EXPECT_EQ(game.generationMsxId, "1234");
    EXPECT_EQ(game.infoFile, "manual.txt");
    EXPECT_EQ(game.generationValue(), 0);
    EXPECT_FALSE(handler.ImportIntoProfile(game, record, ExtraDataOptions{}));

    ExtraDataOptions ifEmpty;
    ifEmpty.infoFile = SetMode::SetIfEmpty;
    EXPECT_FALSE(handler.ImportIntoProfile(game, record, ifEmpty));
    EXPECT_EQ(game.infoFile, "manual.txt");
    game.infoFile.clear();
    EXPECT_TRUE(handler.ImportIntoProfile(game, record, ifEmpty));
    EXPECT_EQ(game.infoFile, link);

    ExtraDataOptions overwrite;
    overwrite.infoFile = SetMode::Overwrite;
    game.infoFile = "manual.txt";
    EXPECT_TRUE(handler.ImportIntoProfile(game, record, overwrite));
    EXPECT_EQ(game.infoFile, link);
    // Overwriting counts even when the link was there already.
    EXPECT_TRUE(handler.ImportIntoProfile(game, record, overwrite));

    // Outside 1..9999 neither the id nor the info file is touched, whatever the mode.
    for (int32_t id : {0, 10000, -5}) {
        Game other;
        other.generationMsxId = "77";
        other.infoFile = "manual.txt";
        EXPECT_FALSE(handler.ImportIntoProfile(other, makeRecord(id, 1, 1, 1, 1), overwrite)) << id;
        EXPECT_EQ(other.generationMsxId, "77") << id;
        EXPECT_EQ(other.infoFile, "manual.txt") << id;
    }
}

TEST(ImportIntoProfile, ScreenshotsAreSetWhenTheFirstExistsAndOverwriteEmptiesThemOtherwise) {
    TempDir dir;
    const ImportExtraDataHandler handler(dir.path());
    dir.write("extra-screenshots/10000a_x.png", "png");
    ExtraDataRecord present = makeRecord(10000, 0, 0, 0, 0);
    present.suffix = "_x";
    const ExtraDataRecord absent = makeRecord(20000, 0, 0, 0, 0);
    const std::string shot1 = joinPath(dir.path(), "extra-screenshots/10000a_x.png");
    const std::string shot2 = joinPath(dir.path(), "extra-screenshots/10000b_x.png");
    const auto withImages = [](std::string image1, std::string image2) {
        Game game;
        game.image1 = std::move(image1);
        game.image2 = std::move(image2);
        return game;
    };

    ExtraDataOptions overwrite;
    overwrite.screenshots = SetMode::Overwrite;
    // Ids above the site's range still have screenshots; the second need not exist.
    Game game = withImages("own1.png", "own2.png");
    EXPECT_TRUE(handler.ImportIntoProfile(game, present, overwrite));
    EXPECT_EQ(game.image1, shot1);
    EXPECT_EQ(game.image2, shot2);
    EXPECT_TRUE(handler.ImportIntoProfile(game, absent, overwrite));
    EXPECT_EQ(game, withImages("", ""));

    ExtraDataOptions ifEmpty;
    ifEmpty.screenshots = SetMode::SetIfEmpty;
    game = withImages("own1.png", "");
    EXPECT_FALSE(handler.ImportIntoProfile(game, present, ifEmpty));
    EXPECT_EQ(game, withImages("own1.png", ""));
    game = withImages("", "own2.png");
    EXPECT_FALSE(handler.ImportIntoProfile(game, absent, ifEmpty));
    EXPECT_EQ(game, withImages("", "own2.png"));
    EXPECT_TRUE(handler.ImportIntoProfile(game, present, ifEmpty));
    EXPECT_EQ(game, withImages(shot1, shot2));

    // A record without a positive id has no screenshots to offer.
    dir.write("extra-screenshots/0a.png", "png");
    game = withImages("own1.png", "own2.png");
    EXPECT_FALSE(handler.ImportIntoProfile(game, makeRecord(0, 0, 0, 0, 0), overwrite));
    EXPECT_EQ(game, withImages("own1.png", "own2.png"));
}
