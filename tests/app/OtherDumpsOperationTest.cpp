// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OtherDumpsOperation.h"

#include <gtest/gtest.h>

#include <atomic>

#include "common/Progress.h"
#include "emulator/SoftwareIndex.h"
#include "media/MediaHash.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "support/FakeEmulator.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {

Game romProfile(const std::string& name, const std::string& rom) {
    Game game;
    game.name = name;
    game.slot1File = rom;
    return game;
}

std::string hashEntry(const std::string& sha1) {
    return "<rom><hash algo=\"sha1\">" + sha1 + "</hash></rom>";
}

// Two dumps of one software, one of another, and media for them in a base directory.
class OtherDumpsOperationTest : public ::testing::Test {
protected:
    TempDir base;
    TempDir media;
    FakeEmulator emulator;
    KeyTextSource texts;
    DatabaseStore store{base.path()};
    Sha1Cache cache;
    SoftwareIndex index;
    std::string first = media.write("first.rom", "first dump");
    std::string second = media.write("second.rom", "second dump");
    std::string other = media.write("other.rom", "other software");
    std::string unknown = media.write("unknown.rom", "in no software database");

    void SetUp() override {
        emulator.addDatabase("soft.xml", "<db><software><title>Game</title><dump>" +
                                             hashEntry(MediumSha1(first, "")) + "</dump><dump>" +
                                             hashEntry(MediumSha1(second, "")) +
                                             "</dump></software><software><title>Other</title>"
                                             "<dump>" +
                                             hashEntry(MediumSha1(other, "")) +
                                             "</dump></software></db>");
        const std::atomic<bool> stop{false};
        ASSERT_EQ(index.build(SoftwareSources(emulator.path()), stop), IndexOutcome::Built);
    }
    void writeDatabase(const std::string& name, const std::vector<Game>& profiles) {
        std::string lines;
        for (const Game& game : profiles)
            lines += game.ToLine() + "\r\n";
        base.write(name + ".db", lines);
    }
};

}  // namespace

TEST_F(OtherDumpsOperationTest, ListsEveryOtherProfileOfAKnownDumpButNeverTheProfileItself) {
    writeDatabase("Main", {romProfile("Game", first), romProfile("Game (alt)", second),
                           romProfile("Other", other),
                           // The same name and medium again is the profile itself.
                           romProfile("Game", first), romProfile("Unknown", unknown)});
    writeDatabase("Second", {romProfile("Game", first), romProfile("Alt copy", second)});
    OtherDumpsOperation operation(store, cache, index, texts);

    const OtherDumpsRequest request = operation.requestFor(romProfile("Game", first), "Main");
    EXPECT_EQ(request.sha1, MediumSha1(first, ""));
    EXPECT_EQ(operation.knownDumps(request),
              (std::set<std::string>{MediumSha1(first, ""), MediumSha1(second, "")}));
    OtherDumpsSearch search = operation.prepare(request);
    NoProgress progress;
    ASSERT_TRUE(search.run(progress));
    EXPECT_EQ(search.found(),
              (std::vector<OtherDump>{
                  {"Game (alt)", "Main"}, {"Game", "Second"}, {"Alt copy", "Second"}}));
    // What was hashed on the way is not hashed again.
    EXPECT_EQ(operation.finish(search, true).result, OperationResult::Done);
    EXPECT_EQ(cache.find("Other", "Main"), MediumSha1(other, ""));
    EXPECT_EQ(cache.find("Alt copy", "Second"), MediumSha1(second, ""));
}

TEST_F(OtherDumpsOperationTest, AMediumUnknownOrMissingHasNoKnownDumps) {
    OtherDumpsOperation operation(store, cache, index, texts);
    EXPECT_TRUE(
        operation.knownDumps(operation.requestFor(romProfile("U", unknown), "Main")).empty());
    const OtherDumpsRequest none =
        operation.requestFor(romProfile("Gone", media.file("gone.rom")), "Main");
    EXPECT_EQ(none.sha1, "");
    EXPECT_TRUE(operation.knownDumps(none).empty());
    // The other software's one dump is its own only.
    EXPECT_EQ(operation.knownDumps(operation.requestFor(romProfile("O", other), "Main")).size(),
              1u);
}
