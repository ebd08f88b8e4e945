// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "i18n/LanguageEnglish.h"
#include "model/Game.h"
#include "tools/RelativePaths.h"

using namespace corvane;

namespace {

Game withPaths(std::string slot1, std::string diskA = "", std::string infoFile = "") {
    Game game;
    game.name = "Profile";
    game.slot1File = std::move(slot1);
    game.diskAFile = std::move(diskA);
    game.infoFile = std::move(infoFile);
    return game;
}

}  // namespace

TEST(RelativePaths, CurrentPathIsTheFoldersAllPathsShare) {
    // Windows-written paths, and letter case that differs between profiles.
    const std::vector<Game> windows = {withPaths("C:\\Games\\MSX\\rom\\a.rom"),
                                       withPaths("", "c:\\games\\msx\\disk\\b.dsk")};
    EXPECT_EQ(CurrentRelativePath(windows), "C:/Games/MSX/");
    // "/" and "\" mixed in one path and across paths; the spelling is that of the first path
    // considered, disk A before the cartridges.
    const std::vector<Game> mixed = {
        withPaths("/media/Retro/MSX/rom\\a.rom", "/media/retro\\MSX/disk/b.dsk"),
        withPaths("/MEDIA/Retro/msx/tape\\c.cas")};
    EXPECT_EQ(CurrentRelativePath(mixed), "/media/retro/MSX/");
    // A shallower path cuts the prefix at its own depth.
    EXPECT_EQ(CurrentRelativePath(
                  std::vector<Game>{withPaths("C:\\A\\B\\x.rom"), withPaths("C:\\A\\y.rom")}),
              "C:/A/");
    // Different drives, a path without folders, or no paths at all: nothing is shared.
    EXPECT_EQ(CurrentRelativePath(std::vector<Game>{withPaths("C:\\A\\x.rom", "D:\\A\\y.dsk")}),
              "");
    EXPECT_EQ(CurrentRelativePath(std::vector<Game>{withPaths("/a/x.rom"), withPaths("y.rom")}),
              "");
    EXPECT_EQ(CurrentRelativePath(std::vector<Game>{Game{}, withPaths("")}), "");
    // Empty paths are no paths: they do not cut the prefix.
    EXPECT_EQ(CurrentRelativePath(std::vector<Game>{withPaths("/a/b/x.rom"), Game{}}), "/a/b/");
}

TEST(RelativePaths, WebLinkInfoFilesAreNeitherCountedNorChanged) {
    const std::string link = "HTTPS://www.example.org/msx/info/12";
    Game linked = withPaths("/msx/rom/a.rom", "", link);
    Game onDisk = withPaths("/msx/rom/b.rom", "", "/msx/rom/info/b.txt");
    EXPECT_EQ(CurrentRelativePath(std::vector<Game>{linked, onDisk}), "/msx/rom/");
    EXPECT_EQ(CurrentRelativePath(std::vector<Game>{withPaths("", "", "/msx/docs/c.txt"),
                                                    withPaths("/msx/rom/b.rom")}),
              "/msx/");

    EXPECT_EQ(AdjustRelativePaths(linked, "/msx/rom/", "/games/"), 1);
    EXPECT_EQ(linked.slot1File, "/games/a.rom");
    EXPECT_EQ(linked.infoFile, link);
    EXPECT_EQ(AdjustRelativePaths(onDisk, "/msx/rom/", "/games/"), 2);
    EXPECT_EQ(onDisk.infoFile, "/games/info/b.txt");
}

TEST(RelativePaths, AdjustReplacesTheCurrentBeginningOfEveryConsideredPath) {
    Game game;
    game.slot1File = "C:\\Games\\MSX\\rom\\a.rom";
    game.slot2File = "c:/games/msx/rom/b.rom";
    game.diskAFile = "C:\\Games\\MSX\\disk\\c.dsk";
    game.diskBFile = "C:\\Other\\d.dsk";
    game.tapeFile = "C:\\Games\\MSX\\e.cas";
    game.hardDiskPrimary = "C:\\Games\\MSX\\hd\\f.dsk";
    game.hardDiskSecondary = "C:\\Games\\MSXtra\\g.dsk";
    game.image1 = "C:\\Games\\MSX\\shots\\a1.png";
    game.image2 = "C:\\Games\\MSX\\shots\\a2.png";
    game.infoFile = "C:\\Games\\MSX\\a.txt";
    // Not paths: kept whatever they hold.
    game.slot1ZipEntry = "C:\\Games\\MSX\\inner.rom";
    game.slot2Special = "C:\\Games\\MSX\\SUNRISEIDE.rom";
    game.name = "C:\\Games\\MSX\\name";

    Game expected = game;
    expected.slot1File = "D:/Retro/rom\\a.rom";
    expected.slot2File = "D:/Retro/rom/b.rom";
    expected.diskAFile = "D:/Retro/disk\\c.dsk";
    expected.tapeFile = "D:/Retro/e.cas";
    expected.hardDiskPrimary = "D:/Retro/hd\\f.dsk";
    expected.image1 = "D:/Retro/shots\\a1.png";
    expected.image2 = "D:/Retro/shots\\a2.png";
    expected.infoFile = "D:/Retro/a.txt";
    // The current path as shown, with the host's separator, matches the stored "\" paths.
    EXPECT_EQ(AdjustRelativePaths(game, "C:/Games/MSX/", "D:/Retro"), 8);
    EXPECT_EQ(game, expected);
    EXPECT_EQ(AdjustRelativePaths(game, "C:/Games/MSX/", "D:/Retro/"), 0);
    EXPECT_EQ(game, expected);
}

TEST(RelativePaths, AnEmptyCurrentPathIsRefused) {
    ASSERT_TRUE(AdjustRelativePathsRefusal("").has_value());
    EXPECT_EQ(LanguageEnglish().textForKey(*AdjustRelativePathsRefusal("")),
              "The media paths share no common folder, so there is no current relative path to "
              "adjust. Nothing was changed.");
    EXPECT_FALSE(AdjustRelativePathsRefusal("/").has_value());

    Game game = withPaths("a.rom", "/x/b.dsk");
    const Game before = game;
    EXPECT_EQ(AdjustRelativePaths(game, "", "/new/"), 0);
    EXPECT_EQ(game, before);
}
