// SPDX-License-Identifier: GPL-3.0-or-later
// A folder, or a link that loops, where the launcher expects one of its files: nothing is read
// from it, nothing replaces it, and a change that would have to write it says it failed.
#include <gtest/gtest.h>

#include <filesystem>

#include "media/CSHADigest.h"
#include "media/MediaHash.h"
#include "media/ZipArchive.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "model/Settings.h"
#include "selection/Favorites.h"
#include "selection/SavedFilters.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace fs = std::filesystem;

namespace {

// Each way of standing where a file is expected: a folder, or a link that leads to itself.
enum class Stand { Folder, LinkLoop };

void standAt(const std::string& path, Stand stand) {
    if (stand == Stand::Folder)
        fs::create_directory(path);
    else
        fs::create_symlink(fs::path(path).filename(), path);
}

bool stillStands(const std::string& path, Stand stand) {
    const fs::file_status status = fs::symlink_status(path);
    return stand == Stand::Folder ? fs::is_directory(status) : fs::is_symlink(status);
}

}  // namespace

TEST(FoldersAndLoopsAsFilesTest, TheLaunchersOwnFilesAreNeitherReadNorReplaced) {
    for (Stand stand : {Stand::Folder, Stand::LinkLoop}) {
        SCOPED_TRACE(stand == Stand::Folder ? "folder" : "link loop");
        TempDir dir;
        const std::string ini = dir.file("settings.ini");
        const std::string favoritesFile = dir.file(Favorites::kFileName);
        const std::string filtersFile = dir.file(SavedFilters::kFileName);
        const std::string database = dir.file("Other.db");
        for (const std::string& path : {ini, favoritesFile, filtersFile, database})
            standAt(path, stand);
        dir.write("Games.db", "Pac-Man|\r\n");

        EXPECT_EQ(loadSettings(dir.path()), Settings{});
        EXPECT_FALSE(saveSettings(dir.path(), Settings{}));

        Favorites favorites(dir.path());
        EXPECT_TRUE(favorites.items().empty());
        EXPECT_EQ(favorites.add("Pac-Man", "Games"), FavoriteResult::WriteFailed);
        SavedFilters filters(dir.path());
        EXPECT_TRUE(filters.filters().empty());
        EXPECT_EQ(filters.add("Konami", FilterState{}), SavedFilterResult::WriteFailed);

        DatabaseStore store(dir.path());
        EXPECT_EQ(store.databaseList(), std::vector<std::string>{"Games.db"});
        EXPECT_EQ(store.countAllProfiles(), 1);
        EXPECT_TRUE(DatabaseStore::readProfiles(database).empty());
        Game game;
        game.name = "Pac-Man";
        const SaveOutcome saved = store.saveProfile(game, database, std::nullopt);
        EXPECT_EQ(saved.result, SaveResult::NotWritten);
        EXPECT_FALSE(store.removeProfiles(database, {"Pac-Man"}));
        EXPECT_EQ(store.createEmptyDatabase("Other"), CreateResult::Failed);

        for (const std::string& path : {ini, favoritesFile, filtersFile, database})
            EXPECT_TRUE(stillStands(path, stand)) << path;
    }
}

TEST(FoldersAndLoopsAsFilesTest, MediaGiveNoSha1) {
    for (Stand stand : {Stand::Folder, Stand::LinkLoop}) {
        TempDir dir;
        const std::string medium = dir.file("game.rom");
        const std::string archive = dir.file("game.zip");
        standAt(medium, stand);
        standAt(archive, stand);
        EXPECT_FALSE(CSHADigest().HashFile(medium));
        EXPECT_EQ(MediumSha1(medium, ""), "");
        EXPECT_FALSE(ZipArchive().open(archive));
        EXPECT_EQ(MediumSha1(archive, "game.rom"), "");
    }
}
