// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/Sha1Cache.h"

#include <gtest/gtest.h>

#include "common/Progress.h"
#include "media/CancelCheck.h"
#include "model/Game.h"
#include "support/TempDir.h"
#include "support/ZipFixture.h"

using namespace corvane;

namespace {

constexpr const char* kAbc = "a9993e364706816aba3e25717850c26c9cd0d89d";
constexpr const char* kEmpty = "da39a3ee5e6b4b0d3255bfef95601890afd80709";

class Cancelled final : public Progress {
public:
    explicit Cancelled(bool stop) : stop_(stop) {}
    void setRange(std::int64_t) override {}
    void setPosition(std::int64_t) override {}
    void setStatus(const std::string&) override {}
    void setDetail(const std::string&) override {}
    bool cancelled() const override { return stop_; }

private:
    bool stop_;
};

}  // namespace

TEST(Sha1CacheTest, ProfileSha1OfTheMainMedium) {
    test::TempDir dir;
    Sha1Cache cache;
    const std::string abc = dir.write("abc.rom", "abc");
    Game game;
    game.name = "Game";
    game.slot2File = abc;
    game.diskBFile = abc;
    EXPECT_EQ(ProfileSha1(game, "Games", cache), "");
    EXPECT_FALSE(cache.contains("Game", "Games"));

    const std::string zip = dir.file("SET.ZIP");
    ASSERT_NO_FATAL_FAILURE(test::writeZip(zip, {{"first.rom", ""}, {"Second.ROM", "abc"}}));
    game.diskAFile = zip;
    EXPECT_EQ(ProfileSha1(game, "Games", cache), kEmpty);
    game.diskAZipEntry = "second.rom";
    EXPECT_EQ(ProfileSha1(game, "Other", cache), kAbc);

    // A cancelled read stores and lists nothing; the next one hashes, stores and lists it once.
    std::vector<HashedProfile> hashed;
    Cancelled stop(true);
    CancelCheck stopped(stop);
    EXPECT_EQ(ProfileSha1(game, "Third", cache, &stopped, &hashed), "");
    EXPECT_TRUE(stopped.stopped());
    EXPECT_FALSE(cache.contains("Game", "Third"));
    Cancelled go(false);
    for (int i = 0; i < 2; ++i) {
        CancelCheck check(go);
        EXPECT_EQ(ProfileSha1(game, "Third", cache, &check, &hashed), kAbc);
    }
    ASSERT_EQ(hashed.size(), 1u);
    EXPECT_EQ(hashed[0].database, "Third");
    EXPECT_EQ(LookUpOrHash(game, "Third", cache).hashed, false);
}

TEST(Sha1CacheTest, OnlyFoundValuesAreCachedAndTheyStayUntilWritten) {
    test::TempDir dir;
    Sha1Cache cache;
    Game game;
    game.name = "Game";
    game.slot1File = dir.file("later.rom");
    EXPECT_EQ(cache.get(game, "Games"), "");
    EXPECT_FALSE(cache.contains("Game", "Games"));
    dir.write("later.rom", "abc");
    EXPECT_EQ(cache.get(game, "Games"), kAbc);

    dir.write("later.rom", "");
    EXPECT_EQ(cache.get(game, "Games"), kAbc);
    cache.profileWritten(game, "Games");
    EXPECT_EQ(cache.find("Game", "Games"), kEmpty);
    // Written with a medium that cannot be read: the old value must go.
    game.slot1File = dir.file("gone.rom");
    cache.profileWritten(game, "Games");
    EXPECT_FALSE(cache.contains("Game", "Games"));

    cache.store("Game", "Games", kAbc);
    cache.profileRemoved("Game", "Games");
    EXPECT_FALSE(cache.contains("Game", "Games"));
}

TEST(Sha1CacheTest, DatabaseMaintenanceTouchesOnlyThatDatabase) {
    Sha1Cache cache;
    cache.store("Game", "Games", kAbc);
    cache.store("Other", "Games", kAbc);
    cache.store("Game", "Games2", kEmpty);
    cache.store("Game", "Old Games", kEmpty);
    cache.store("Games", "Misc", kEmpty);
    cache.store("Empty", "Misc", "");
    EXPECT_FALSE(cache.contains("Empty", "Misc"));

    cache.dropDatabase("Games");
    EXPECT_FALSE(cache.contains("Game", "Games"));
    EXPECT_FALSE(cache.contains("Other", "Games"));
    EXPECT_TRUE(cache.contains("Game", "Games2"));
    EXPECT_TRUE(cache.contains("Game", "Old Games"));
    EXPECT_TRUE(cache.contains("Games", "Misc"));

    cache.store("Stale", "Renamed", kAbc);
    cache.renameDatabase("Games2", "Renamed");
    EXPECT_FALSE(cache.contains("Game", "Games2"));
    EXPECT_EQ(cache.find("Game", "Renamed"), kEmpty);
    EXPECT_FALSE(cache.contains("Stale", "Renamed"));
    EXPECT_TRUE(cache.contains("Game", "Old Games"));
}
