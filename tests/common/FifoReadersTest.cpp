// SPDX-License-Identifier: GPL-3.0-or-later
// Every reader meets a named pipe where it expects a file: none may wait for a writer.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/LineReader.h"
#include "media/CSHADigest.h"
#include "media/MediaHash.h"
#include "media/ZipArchive.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "model/Settings.h"
#include "selection/Favorites.h"
#include "selection/ProfileSearch.h"
#include "selection/SavedFilters.h"
#include "support/Fifo.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {
bool isFifo(const std::string& path) {
    return std::filesystem::is_fifo(std::filesystem::symlink_status(path));
}
}  // namespace

TEST(FifoReadersTest, MediaAndLinesAreNotReadFromAPipe) {
    TempDir dir;
    const std::string medium = makeFifo(dir.file("game.rom"));
    const std::string archive = makeFifo(dir.file("game.zip"));
    bool lineOpen = true;
    bool hashed = true;
    bool zipOpen = true;
    std::string zipSha1 = "x";
    EXPECT_TRUE(endsWithoutWaitingOn({medium, archive}, [&] {
        lineOpen = LineReader(medium).isOpen();
        hashed = CSHADigest().HashFile(medium);
        zipOpen = ZipArchive().open(archive);
        zipSha1 = MediumSha1(archive, "");
    }));
    EXPECT_FALSE(lineOpen);
    EXPECT_FALSE(hashed);
    EXPECT_FALSE(zipOpen);
    EXPECT_EQ(zipSha1, "");
}

TEST(FifoReadersTest, SettingsFromAPipeAreTheDefaultsAndThePipeIsNotReplaced) {
    TempDir dir;
    const std::string ini = makeFifo(dir.file("settings.ini"));
    Settings loaded;
    loaded.languageId = 99;
    bool saved = true;
    EXPECT_TRUE(endsWithoutWaitingOn({ini}, [&] {
        loaded = loadSettings(dir.path());
        saved = saveSettings(dir.path(), Settings{});
    }));
    EXPECT_EQ(loaded, Settings{});
    EXPECT_FALSE(saved);
    EXPECT_TRUE(isFifo(ini));
}

TEST(FifoReadersTest, APipeNamedLikeADatabaseIsNoDatabase) {
    TempDir dir;
    dir.write("Games.db", "Pac-Man|\r\n");
    const std::string other = makeFifo(dir.file("Other.db"));
    DatabaseStore store(dir.path());
    ProfileSearch search(store);
    Game game;
    game.name = "Pac-Man";

    std::vector<std::string> listed;
    int counted = -1;
    int total = -1;
    size_t hits = 0;
    size_t read = 1;
    SaveOutcome saved{SaveResult::Written};
    bool removed = true;
    CreateResult created = CreateResult::Created;
    EXPECT_TRUE(endsWithoutWaitingOn({other}, [&] {
        listed = store.databaseList();
        counted = store.countProfiles("Other.db");
        total = store.countAllProfiles();
        hits = search.find("man").value().hits.size();
        read = DatabaseStore::readProfiles(other).size();
        saved = store.saveProfile(game, other, std::nullopt);
        removed = store.removeProfiles(other, {"Pac-Man"});
        created = store.createEmptyDatabase("Other");
    }));
    EXPECT_EQ(listed, std::vector<std::string>{"Games.db"});
    EXPECT_EQ(counted, 0);
    EXPECT_EQ(total, 1);
    EXPECT_EQ(hits, 1u);
    EXPECT_EQ(read, 0u);
    EXPECT_EQ(saved.result, SaveResult::NotWritten);
    EXPECT_EQ(saved.error, StoreError::FileIo);
    EXPECT_FALSE(removed);
    EXPECT_EQ(created, CreateResult::Failed);
    EXPECT_TRUE(isFifo(other));
}

TEST(FifoReadersTest, PipesNamedLikeTheFavoritesAndFiltersFilesAreKept) {
    TempDir dir;
    const std::string favoritesFile = makeFifo(dir.file(Favorites::kFileName));
    const std::string filtersFile = makeFifo(dir.file(SavedFilters::kFileName));
    Favorites favorites(dir.path());
    SavedFilters filters(dir.path());
    size_t favoriteCount = 1;
    size_t filterCount = 1;
    FavoriteResult added = FavoriteResult::Written;
    SavedFilterResult filterAdded = SavedFilterResult::Written;
    EXPECT_TRUE(endsWithoutWaitingOn({favoritesFile, filtersFile}, [&] {
        favoriteCount = favorites.items().size();
        filterCount = filters.filters().size();
        added = favorites.add("Pac-Man", "Games");
        filterAdded = filters.add("Konami", FilterState{});
    }));
    EXPECT_EQ(favoriteCount, 0u);
    EXPECT_EQ(filterCount, 0u);
    EXPECT_EQ(added, FavoriteResult::WriteFailed);
    EXPECT_EQ(filterAdded, SavedFilterResult::WriteFailed);
    EXPECT_TRUE(isFifo(favoritesFile));
    EXPECT_TRUE(isFifo(filtersFile));
}
