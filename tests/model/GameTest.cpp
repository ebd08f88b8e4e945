// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/CParseIt.h"
#include "model/Game.h"
#include "model/ValueLists.h"

using namespace corvane;

namespace {
Game parsed(std::string_view line) {
    Game game;
    game.FromLine(line);
    return game;
}
}  // namespace

TEST(GameTest, KnightmareLineRoundTrips) {
    Game g;
    g.name = "Knightmare";
    g.slot1File = "C:\\MSX\\knight.rom";
    g.generation[0] = true;
    g.sound[0] = true;
    g.genre1 = 7;
    EXPECT_EQ(g.ToLine(), "Knightmare|C:\\MSX\\knight.rom|||||||||||||||||||||||||1|1|7|||");
    EXPECT_EQ(parsed(g.ToLine()), g);
}

TEST(GameTest, NumericFieldsPackAndUnpack) {
    Game midi;
    midi.sound[7] = true;
    EXPECT_NE(midi.ToLine().find("|0|-128|0|"), std::string::npos);
    midi.sound[0] = true;
    EXPECT_NE(midi.ToLine().find("|0|-127|0|"), std::string::npos);
    midi.sound.fill(true);
    EXPECT_NE(midi.ToLine().find("|0|-1|0|"), std::string::npos);

    const std::string prefix(26, '|');
    for (const char* stored : {"-128", "128"}) {
        const Game g = parsed(prefix + "0|" + stored + "|0");
        EXPECT_EQ(g.SoundText(), "MIDI") << stored;
    }
    const Game genres = parsed(prefix + " +5|x|6401");
    EXPECT_EQ(genres.genre1, 1);
    EXPECT_EQ(genres.genre2, 50);
    EXPECT_EQ(genres.GenreText(), "Action, Dexterity");
    EXPECT_EQ(genres.GenerationText(), "MSX, MSX2+");
    EXPECT_EQ(genres.SoundText(), "");

    Game g;
    g.genre1 = 51;
    EXPECT_EQ(g.GenreText(), "");
    g.genre1 = 0;
    g.genre2 = 3;
    EXPECT_EQ(g.GenreText(), "");
    g.genre1 = 26;
    g.genre2 = 30;
    EXPECT_EQ(g.GenreText(), "Puzzle, RPG");
}

TEST(GameTest, ShortOddAndLongLines) {
    const Game shortLine = parsed("Only|a.rom");
    EXPECT_EQ(shortLine.name, "Only");
    EXPECT_EQ(shortLine.slot1File, "a.rom");
    EXPECT_EQ(shortLine.fmsxOverride, "");
    const std::string written = shortLine.ToLine();
    EXPECT_EQ(std::count(written.begin(), written.end(), '|'), 31);

    const Game separators = parsed(std::string(31, '|'));
    EXPECT_EQ(separators, Game{});
    EXPECT_TRUE(separators.MainMedium().file.empty());

    std::string extra = Game{}.ToLine();
    extra.replace(0, 0, "X");
    extra += "|surplus|fields";
    const Game withExtra = parsed(extra);
    EXPECT_EQ(withExtra.name, "X");
    EXPECT_EQ(withExtra.fmsxOverride, "");

    const std::string longName(5000, 'n');
    EXPECT_EQ(parsed(longName + "|x.rom").name, longName);
}

TEST(GameTest, MediaRulesAndCaptureNames) {
    Game g;
    g.slot2File = "b.rom";
    EXPECT_TRUE(g.HasRom());
    EXPECT_TRUE(g.MainMedium().file.empty());
    g.diskAFile = "d.dsk";
    EXPECT_FALSE(g.IsDiskProfile());
    EXPECT_EQ(g.MainMedium().mediumKey, "MEDIUM_DISK");
    g.slot1File = "C:\\MSX\\games.zip";
    g.slot1ZipEntry = "Knightmare.rom";
    EXPECT_EQ(g.MainMedium().mediumKey, "MEDIUM_ROM");
    EXPECT_EQ(g.CaptureBaseName(), "Knightmare");
    g.slot1File = "C:\\MSX\\knight.rom";
    g.slot1ZipEntry.clear();
    EXPECT_EQ(g.CaptureBaseName(), "knight");
    g.slot1File = "/home/u/noextension";
    EXPECT_EQ(g.CaptureBaseName(), "noextension");

    Game hd;
    hd.hardDiskPrimary = "C:\\ide.dsk";
    hd.hardDiskSecondary = "C:\\ide2.dsk";
    EXPECT_EQ(hd.MainMedium().mediumKey, "MEDIUM_HARDDISK");
    EXPECT_TRUE(hd.MainMedium().entry.empty());
    EXPECT_TRUE(hd.HasHardDisk());
    Game disk;
    disk.diskBFile = "x.dsk";
    EXPECT_TRUE(disk.IsDiskProfile());
    EXPECT_TRUE(disk.MainMedium().file.empty());

    EXPECT_TRUE(IsZipFile("C:\\A.ZIP"));
    EXPECT_TRUE(IsDiskImage("x.Di1"));
    EXPECT_TRUE(IsRomImage("game.MX2"));
    EXPECT_FALSE(IsRomImage(""));
    EXPECT_FALSE(IsTapeImage("cas"));
    EXPECT_EQ(FileExtension("a.b.ROM"), "rom");
}

TEST(GameTest, ValueLists) {
    EXPECT_EQ(yearList(1985), (std::vector<std::string>{"1982", "1983", "1984", "1985"}));
    EXPECT_EQ(yearList(2031).back(), "2020");
    ASSERT_EQ(genreList().size(), 50u);
    for (size_t i = 1; i < genreList().size(); ++i)
        EXPECT_LT(genreList()[i - 1].name, genreList()[i].name);
    EXPECT_EQ(genreList().front().name, "Action");
    EXPECT_EQ(genreName(14), "DTP");
    EXPECT_EQ(companyList().size(), 22u);
    EXPECT_EQ(countryList().size(), 15u);
}

TEST(CParseItTest, SplitsOnEveryDelimiter) {
    CParseIt p;
    ASSERT_TRUE(p.Parse("a||b;c", "|;"));
    EXPECT_FALSE(p.Parse("again", "|"));
    EXPECT_EQ(p.GetCount(), 4);
    std::string out = "junk";
    EXPECT_TRUE(p.GetField(2, out));
    EXPECT_EQ(out, "");
    EXPECT_TRUE(p.GetField(4, out));
    EXPECT_EQ(out, "c");
    EXPECT_FALSE(p.GetField(0, out));
    EXPECT_EQ(out, "");
    EXPECT_FALSE(p.GetField(5, out));

    p.Reset();
    EXPECT_EQ(p.GetDelimiters(), ",");
    ASSERT_TRUE(p.Parse("", "|"));
    EXPECT_EQ(p.GetCount(), 1);
    p.Reset();
    ASSERT_TRUE(p.Parse("1,2", "abcdefghi,"));  // only nine delimiters are kept
    EXPECT_EQ(p.GetCount(), 1);
    p.Reset();
    ASSERT_TRUE(p.Parse("  -42x|7", "|"));
    EXPECT_EQ(p.field(1)->asInt(), -42);
    EXPECT_EQ(p.field(2)->asLong(), 7);
}
