// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "common/Path.h"
#include "model/Game.h"
#include "support/TempDir.h"
#include "tools/ImportExtraDataHandler.h"

using namespace corvane;
using corvane::test::TempDir;

namespace {

std::string sha(char digit) {
    return std::string(40, digit);
}

std::string record(const std::string& id, const std::string& data, const std::string& sha1s) {
    return "#" + id + "\n" + data + "\n" + sha1s + "\n";
}

// Records 1234 (a, b) and 77 (b again, c) among comments, blank and stray lines; CR LF and LF.
std::string basicFile() {
    return "-- extra data\r\n\r\n#1234\r\n2,17,3|5,\r\n" + sha('a') + "|" + sha('b') +
           "\r\nstray line between records\n#77\n-- a note inside a record\n1,1,7,\n|" + sha('b') +
           "||" + sha('c') + "|\n";
}

}  // namespace

TEST(ImportExtraData, ReadsRecordsKeyedByTheirSha1s) {
    TempDir dir;
    dir.write("extra-data.dat", basicFile());
    EXPECT_EQ(ImportExtraDataHandler(dir.path()).size(), 0u);

    ImportExtraDataHandler handler(dir.path(), true);
    EXPECT_EQ(handler.size(), 3u);
    const ExtraDataRecord* a = handler.Find(sha('a'));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->id, 1234);
    EXPECT_EQ(a->generation, 2);
    EXPECT_EQ(a->sound, 17);
    EXPECT_EQ(a->genre1, 3);
    EXPECT_EQ(a->genre2, 5);
    EXPECT_EQ(a->suffix, "");
    // The first record listing a SHA-1 keeps it.
    EXPECT_EQ(handler.Find(sha('b')), a);
    const ExtraDataRecord* c = handler.Find(sha('c'));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->id, 77);
    EXPECT_EQ(c->genre1, 7);
    EXPECT_EQ(c->genre2, 0);
    EXPECT_EQ(handler.Find(""), nullptr);

    // Loading again starts over; records cut short do not swallow the next one.
    dir.write("extra-data.dat", "#5\n#6\n1,0,0,\n" + record("7", "2,0,0,", sha('d')));
    EXPECT_TRUE(handler.Load());
    EXPECT_EQ(handler.size(), 1u);
    EXPECT_EQ(handler.Find(sha('a')), nullptr);
    ASSERT_NE(handler.Find(sha('d')), nullptr);
    EXPECT_EQ(handler.Find(sha('d'))->id, 7);
    EXPECT_EQ(handler.Find(sha('d'))->generation, 2);
}

TEST(ImportExtraData, MissingOrUnreadableFileGivesNoRecords) {
    TempDir dir;
    ImportExtraDataHandler handler(dir.path());
    EXPECT_TRUE(handler.Load());
    Game game;
    EXPECT_FALSE(handler.ApplyToNewProfile(game, sha('a')));
    EXPECT_EQ(game, Game{});

    std::filesystem::create_directory(dir.file("extra-data.dat"));
    EXPECT_FALSE(handler.Load());
    EXPECT_EQ(handler.size(), 0u);
}

TEST(ImportExtraData, NumbersWrapToEightBitsAndGenresMayBeOneOrTwo) {
    TempDir dir;
    dir.write("extra-data.dat",
              record("1", "258,511,200|129,", sha('a')) + record("2", "-1,256,4|,", sha('b')));
    const ImportExtraDataHandler handler(dir.path(), true);
    const ExtraDataRecord* a = handler.Find(sha('a'));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->generation, 2);
    EXPECT_EQ(a->sound, 255);
    EXPECT_EQ(a->genre1, 200);
    EXPECT_EQ(a->genre2, 129);
    const ExtraDataRecord* b = handler.Find(sha('b'));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->generation, 255);
    EXPECT_EQ(b->sound, 0);
    EXPECT_EQ(b->genre1, 4);
    EXPECT_EQ(b->genre2, 0);

    // A genre a profile cannot hold would spill into the other genre; it becomes none.
    Game game;
    ASSERT_TRUE(handler.ApplyToNewProfile(game, sha('a')));
    EXPECT_EQ(game.generationValue(), 2);
    EXPECT_EQ(game.soundByte(), 255);
    EXPECT_EQ(game.genre1, 0);
    EXPECT_EQ(game.genre2, 0);
}

TEST(ImportExtraData, NewProfileTakesTheRecordsDataLinkAndExistingScreenshots) {
    TempDir dir;
    dir.write("extra-data.dat", basicFile());
    dir.write("extra-screenshots/1234a.png", "png");
    const ImportExtraDataHandler handler(dir.path(), true);

    Game game;
    game.generation = {true, false, false, true};
    game.sound[7] = true;
    game.genre2 = 9;
    ASSERT_TRUE(handler.ApplyToNewProfile(game, sha('b')));
    EXPECT_EQ(game.generationValue(), 2);
    EXPECT_EQ(game.soundByte(), 17);
    EXPECT_EQ(game.genre1, 3);
    EXPECT_EQ(game.genre2, 5);
    EXPECT_EQ(game.generationMsxId, "1234");
    EXPECT_EQ(game.infoFile, "https://www.generation-msx.nl/msxdb/softwareinfo/1234");
    EXPECT_EQ(game.image1, joinPath(dir.path(), "extra-screenshots/1234a.png"));
    // The second screenshot is not required to exist.
    EXPECT_EQ(game.image2, joinPath(dir.path(), "extra-screenshots/1234b.png"));

    Game noImage;
    ASSERT_TRUE(handler.ApplyToNewProfile(noImage, sha('c')));
    EXPECT_EQ(noImage.generationMsxId, "77");
    EXPECT_EQ(noImage.image1, "");
    EXPECT_EQ(noImage.image2, "");
}

TEST(ImportExtraData, IdsOutsideTheSitesRangeGetNoIdOrLink) {
    TempDir dir;
    // The last id would read as 1234 if it were cut to 32 bits.
    const char* ids[] = {"0", "10000", "-3", "x", "4294968530"};
    std::string file;
    char digit = 'a';
    for (const char* id : ids)
        file += record(id, "1,1,1,", sha(digit++));
    dir.write("extra-data.dat", file);
    const ImportExtraDataHandler handler(dir.path(), true);
    ASSERT_EQ(handler.size(), std::size(ids));
    for (char d = 'a'; d < digit; ++d) {
        Game game;
        game.infoFile = "manual.txt";
        ASSERT_TRUE(handler.ApplyToNewProfile(game, sha(d))) << d;
        EXPECT_EQ(game.generationMsxId, "") << d;
        EXPECT_EQ(game.infoFile, "manual.txt") << d;
        EXPECT_EQ(game.genre1, 1) << d;
    }
}

TEST(ImportExtraData, ScreenshotPathsThatWouldBreakADatabaseLineAreNotSet) {
    TempDir dir;
    const std::string records =
        record("5", "1,0,0,x|y", sha('a')) + record("7", "1,0,0,_s", sha('c'));
    dir.write("extra-data.dat", records);
    dir.write("extra-screenshots/5ax|y.png", "png");
    dir.write("extra-screenshots/7a_s.png", "png");
    const ImportExtraDataHandler handler(dir.path(), true);
    Game barred;
    ASSERT_TRUE(handler.ApplyToNewProfile(barred, sha('a')));
    EXPECT_EQ(barred.image1, "");
    EXPECT_EQ(barred.image2, "");
    Game suffixed;
    handler.ApplyToNewProfile(suffixed, sha('c'));
    EXPECT_EQ(suffixed.image1, joinPath(dir.path(), "extra-screenshots/7a_s.png"));
    EXPECT_EQ(suffixed.image2, joinPath(dir.path(), "extra-screenshots/7b_s.png"));

    // A base directory the line format cannot hold gets no screenshots either.
    dir.write("base|dir/extra-data.dat", records);
    dir.write("base|dir/extra-screenshots/7a_s.png", "png");
    Game game;
    ASSERT_TRUE(
        ImportExtraDataHandler(dir.file("base|dir"), true).ApplyToNewProfile(game, sha('c')));
    EXPECT_EQ(game.image1, "");
    EXPECT_EQ(game.generationMsxId, "7");
}

TEST(ImportExtraData, MachineFollowsTheLowestGeneration) {
    TempDir dir;
    dir.write("extra-data.dat",
              record("1", "15,0,0,", sha('a')) + record("1", "14,0,0,", sha('b')) +
                  record("1", "12,0,0,", sha('c')) + record("1", "8,0,0,", sha('d')) +
                  record("1", "16,0,0,", sha('e')));
    const ImportExtraDataHandler handler(dir.path(), true);
    const auto machineOf = [&handler](char digit) {
        Game game;
        game.machine = "unchanged";
        const bool set = handler.MachineFromGeneration(game, sha(digit));
        EXPECT_EQ(set, game.machine != "unchanged") << digit;
        return game.machine;
    };
    EXPECT_EQ(machineOf('a'), "MSX");
    EXPECT_EQ(machineOf('b'), "MSX2");
    EXPECT_EQ(machineOf('c'), "MSX2+");
    EXPECT_EQ(machineOf('d'), "MSXturboR");
    EXPECT_EQ(machineOf('e'), "unchanged");
    EXPECT_EQ(machineOf('f'), "unchanged");
}

TEST(ImportExtraData, MalformedRecordsGiveNoDataToTheirSha1s) {
    TempDir dir;
    // 1: its data line is missing, so its SHA-1 line must not be read as data, nor the wrapped
    //    SHA-1 line after it as its SHA-1s.
    // 2: letters where numbers belong read as 0, digits up to the first non-digit count.
    // 3: listed under two records; the first keeps it, the second keeps its other SHA-1.
    // 4: empty SHA-1 items are no SHA-1s; a line of nothing but "|" gives no record.
    // 5: the last record ends before its SHA-1 line.
    dir.write("extra-data.dat", "#1\n3" + sha('1').substr(1) + "|" + sha('a') + "\n" + sha('b') +
                                    "\n" + record("2", "two,12abc,x|3y,", sha('c')) +
                                    record("3", "1,1,1,", sha('d')) +
                                    record("30", "8,8,8,", "|" + sha('d') + "|" + sha('e')) +
                                    record("4", "4,4,4,", "||") + "#5\n2,2,2,\n-- end\n\n");
    const ImportExtraDataHandler handler(dir.path(), true);
    EXPECT_EQ(handler.Find(sha('1')), nullptr);
    EXPECT_EQ(handler.Find(sha('a')), nullptr);
    EXPECT_EQ(handler.Find(sha('b')), nullptr);
    const ExtraDataRecord* c = handler.Find(sha('c'));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->generation, 0);
    EXPECT_EQ(c->sound, 12);
    EXPECT_EQ(c->genre1, 0);
    EXPECT_EQ(c->genre2, 3);
    ASSERT_NE(handler.Find(sha('d')), nullptr);
    EXPECT_EQ(handler.Find(sha('d'))->id, 3);
    ASSERT_NE(handler.Find(sha('e')), nullptr);
    EXPECT_EQ(handler.Find(sha('e'))->id, 30);
    EXPECT_EQ(handler.Find(""), nullptr);
    EXPECT_EQ(handler.size(), 3u);
}
