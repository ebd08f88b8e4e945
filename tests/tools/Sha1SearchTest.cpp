// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>

#include "common/Progress.h"
#include "media/MediaHash.h"
#include "media/Sha1Cache.h"
#include "model/Game.h"
#include "support/FakeEmulator.h"
#include "support/TempDir.h"
#include "tools/LauncherSha1Search.h"
#include "tools/SoftwareDbSha1Search.h"

using namespace corvane;
using namespace corvane::test;

namespace {

// Says stop from its stopAt-th look on (0: never), and keeps the last position.
class StopAtLook : public Progress {
public:
    explicit StopAtLook(int stopAt = 0) : stopAt_(stopAt) {}
    void setRange(std::int64_t total) override { range = total; }
    void setPosition(std::int64_t done) override { position = done; }
    void setStatus(const std::string&) override {}
    void setDetail(const std::string&) override {}
    bool cancelled() const override { return ++looks >= stopAt_ && stopAt_ > 0; }
    mutable std::atomic<int> looks{0};
    std::int64_t range = -1;
    std::int64_t position = -1;

private:
    int stopAt_;
};

std::string line(const std::string& name, const std::string& file, const std::string& entry = "") {
    Game g;
    g.name = name;
    g.slot1File = file;
    g.slot1ZipEntry = entry;
    return g.ToLine() + "\r\n";
}

std::string cartridgeDb(const std::string& title, const std::string& sha1) {
    return "<softwaredb><software><title>" + title +
           "</title><system>MSX</system><dump><rom><hash algo=\"sha1\">" + sha1 +
           "</hash><type>ASCII8</type></rom></dump></software></softwaredb>";
}

}  // namespace

TEST(LauncherSha1SearchTest, FirstHitInDatabaseOrderThenLineOrderThroughTheCache) {
    TempDir dir;
    const std::string rom = dir.write("game.rom", "the game");
    const std::string sha1 = MediumSha1(rom, "");
    // Line order inside a database, database order across them; a profile without a medium and
    // a database that cannot be opened are passed over.
    dir.write("Zeta.db", line("Empty", "") + line("Unreadable", dir.file("gone.rom")) +
                             line("Zeta first", rom) + line("Zeta second", rom));
    dir.write("Alpha.db", line("Alpha copy", rom));
    Sha1Cache cache;
    StopAtLook progress;
    LauncherSearchResult result =
        searchLauncher(dir.path(), {"Missing", "Zeta", "Alpha"}, sha1, cache, progress);
    ASSERT_TRUE(result.hit);
    EXPECT_EQ(*result.hit, (LauncherHit{"Zeta", "Zeta first"}));
    EXPECT_FALSE(result.stopped);
    ASSERT_EQ(result.hashed.size(), 1u);
    EXPECT_EQ(result.hashed[0].profile, "Zeta first");
    EXPECT_EQ(cache.find("Zeta first", "Zeta"), sha1);

    result = searchLauncher(dir.path(), {"Alpha", "Zeta"}, sha1, cache, progress);
    EXPECT_EQ(*result.hit, (LauncherHit{"Alpha", "Alpha copy"}));

    // What the cache holds is taken as the profile's SHA-1: nothing is hashed again.
    cache.store("Alpha copy", "Alpha", "0123456789012345678901234567890123456789");
    result = searchLauncher(dir.path(), {"Alpha"}, "0123456789012345678901234567890123456789",
                            cache, progress);
    EXPECT_EQ(*result.hit, (LauncherHit{"Alpha", "Alpha copy"}));
    EXPECT_TRUE(result.hashed.empty());

    // An empty key would match every profile without a medium.
    EXPECT_FALSE(searchLauncher(dir.path(), {"Zeta"}, "", cache, progress).hit);
}

TEST(LauncherSha1SearchTest, AZipMemberIsNotTheArchiveAndCancelStopsWithoutAHit) {
    TempDir dir;
    const std::string zip = dir.write("pack.zip", "not really a zip, hashed as it stands");
    dir.write("Games.db", line("Member", zip, "game.rom"));
    Sha1Cache cache;
    StopAtLook progress;
    LauncherSearchResult result =
        searchLauncher(dir.path(), {"Games"}, MediumSha1(zip + ".x", ""), cache, progress);
    EXPECT_FALSE(result.hit);
    EXPECT_EQ(progress.position, progress.range);

    std::string lines;
    for (int i = 0; i < 100; ++i)
        lines += line("Game " + std::to_string(i), dir.file("none.rom"));
    const std::string rom = dir.write("last.rom", "last");
    dir.write("Many.db", lines + line("Last", rom));
    StopAtLook stop(3);
    result = searchLauncher(dir.path(), {"Many"}, MediumSha1(rom, ""), cache, stop);
    EXPECT_TRUE(result.stopped);
    EXPECT_FALSE(result.hit);
    EXPECT_EQ(stop.looks, 3);
}

TEST(SoftwareDbSha1SearchTest, FileOrderAndEachFileReadOnce) {
    FakeEmulator emulator;
    emulator.addDatabase("a.xml", "<broken");
    emulator.addDatabase("b.xml", cartridgeDb("First", "1111111111111111111111111111111111111111"));
    emulator.addDatabase("c.xml",
                         cartridgeDb("Second", "2222222222222222222222222222222222222222"));
    emulator.addDatabase("d.xml", cartridgeDb("Later", "1111111111111111111111111111111111111111"));
    SoftwareDbSha1Search search{SoftwareSources(emulator.path())};
    StopAtLook progress;
    SoftwareSearchResult result = search.find("1111111111111111111111111111111111111111", progress);
    ASSERT_TRUE(result.entry);
    EXPECT_EQ(result.entry->title, "First");
    EXPECT_EQ(result.entry->database, "b.xml");
    EXPECT_TRUE(result.entry->isRom);
    // The search stopped at its hit.
    const size_t read = search.filesRead();
    EXPECT_LT(read, 4u);

    // A later search looks at the files read before without reading them again.
    std::filesystem::remove(emulator.path() + "/Databases/b.xml");
    result = search.find("1111111111111111111111111111111111111111", progress);
    ASSERT_TRUE(result.entry);
    EXPECT_EQ(result.entry->title, "First");
    EXPECT_EQ(search.filesRead(), read);
    result = search.find("2222222222222222222222222222222222222222", progress);
    ASSERT_TRUE(result.entry);
    EXPECT_EQ(result.entry->database, "c.xml");
    EXPECT_FALSE(search.find("3333333333333333333333333333333333333333", progress).entry);
    EXPECT_EQ(search.filesRead(), 4u);
    EXPECT_EQ(progress.position, 4);
}

TEST(SoftwareDbSha1SearchTest, NoXmlFilesEndsAtOnceAndCancelStopsBetweenFiles) {
    FakeEmulator empty;
    empty.write("Databases/notes.txt", "not a database");
    SoftwareDbSha1Search none{SoftwareSources(empty.path())};
    StopAtLook never;
    const SoftwareSearchResult nothing =
        none.find("1111111111111111111111111111111111111111", never);
    EXPECT_FALSE(nothing.entry);
    EXPECT_FALSE(nothing.stopped);
    EXPECT_EQ(never.range, 0);

    FakeEmulator emulator;
    emulator.addDatabase("a.xml", cartridgeDb("A", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"));
    emulator.addDatabase("b.xml", cartridgeDb("B", "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb"));
    SoftwareDbSha1Search search{SoftwareSources(emulator.path())};
    StopAtLook stop(2);
    const SoftwareSearchResult stopped =
        search.find("bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb", stop);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_FALSE(stopped.entry);
    EXPECT_EQ(search.filesRead(), 1u);
    // The next search goes on where the stopped one left off.
    const SoftwareSearchResult later =
        search.find("bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb", never);
    ASSERT_TRUE(later.entry);
    EXPECT_EQ(later.entry->title, "B");
}
