// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Sha1CenterOperation.h"

#include <gtest/gtest.h>

#include "common/AsciiCase.h"
#include "common/Progress.h"
#include "media/CSHADigest.h"
#include "media/MediaHash.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "support/FakeEmulator.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/ZipFixture.h"

using namespace corvane;
using namespace corvane::test;

namespace {

class StopAtLook : public Progress {
public:
    explicit StopAtLook(int stopAt = 0) : stopAt_(stopAt) {}
    void setRange(std::int64_t) override {}
    void setPosition(std::int64_t) override {}
    void setStatus(const std::string& text) override { status = text; }
    void setDetail(const std::string&) override {}
    bool cancelled() const override { return ++looks_ >= stopAt_ && stopAt_ > 0; }
    std::string status;

private:
    mutable int looks_ = 0;
    int stopAt_;
};

class Sha1CenterOperationTest : public ::testing::Test {
protected:
    TempDir dir;
    FakeEmulator emulator;
    KeyTextSource texts;
    DatabaseStore store{dir.path()};
    Sha1Cache cache;
    Sha1CenterOperation operation{store, cache, SoftwareSources(emulator.path()), texts};

    Sha1CenterOutcome run(Sha1CenterRequest request, int stopAt = 0) {
        Sha1CenterJob job = operation.prepare(std::move(request));
        StopAtLook progress(stopAt);
        job.run(progress);
        return operation.finish(job);
    }
    std::string line(const std::string& name, const std::string& file,
                     const std::string& entry = "") const {
        Game g;
        g.name = name;
        g.slot1File = file;
        g.slot1ZipEntry = entry;
        return g.ToLine() + "\r\n";
    }
};

}  // namespace

TEST_F(Sha1CenterOperationTest, CalculateHashesAZipWholeAndShowsEmptyForWhatCannotBeRead) {
    const std::string zip = dir.file("pack.zip");
    writeZip(zip, {{"game.rom", "member bytes"}});
    Sha1CenterOutcome outcome = run({zip});
    ASSERT_TRUE(outcome.shownSha1);
    CSHADigest whole;
    ASSERT_TRUE(whole.HashFile(zip));
    EXPECT_EQ(*outcome.shownSha1, toLowerAscii(whole.DigestText()));
    EXPECT_EQ(outcome.notFound, "");

    for (const std::string& path : {std::string(), dir.file("missing.rom"), dir.path()}) {
        outcome = run({path});
        ASSERT_TRUE(outcome.shownSha1) << path;
        EXPECT_EQ(*outcome.shownSha1, "") << path;
    }
    // Find with nothing to hash does nothing at all: the field keeps its text.
    outcome = run({dir.file("missing.rom"), true});
    EXPECT_FALSE(outcome.shownSha1);
    EXPECT_FALSE(outcome.profile);
    EXPECT_EQ(outcome.notFound, "");
}

TEST_F(Sha1CenterOperationTest, FindInLauncherGivesTheFirstDatabaseAndKeepsTheHashedSha1s) {
    const std::string rom = dir.write("media/game.rom", "game bytes");
    const std::string sha1 = MediumSha1(rom, "");
    dir.write("One.db", line("Copy one", rom));
    dir.write("Two.db", line("Copy two", rom));
    const std::vector<std::string> order = store.databaseNames();
    ASSERT_EQ(order.size(), 2u);

    Sha1CenterOutcome outcome = run({rom, true, Sha1Target::Launcher});
    EXPECT_EQ(outcome.shownSha1, sha1);
    ASSERT_TRUE(outcome.profile);
    EXPECT_EQ(outcome.profile->database, order[0]);
    EXPECT_EQ(outcome.profile->profile, order[0] == "One" ? "Copy one" : "Copy two");
    EXPECT_EQ(cache.find(outcome.profile->profile, order[0]), sha1);

    // A ZIP holding the medium is another file: its profile is not found.
    const std::string zip = dir.file("media/pack.zip");
    writeZip(zip, {{"game.rom", "game bytes"}});
    dir.write("Zip.db", line("Zipped", zip, "game.rom"));
    outcome = run({zip, true, Sha1Target::Launcher});
    EXPECT_FALSE(outcome.profile);
    EXPECT_EQ(outcome.notFound, "M_NOT_FOUND_LAUNCHER");
    // A database made since the last search is searched too.
    EXPECT_EQ(cache.find("Zipped", "Zip"), sha1);

    // Cancel: nothing to report, the field keeps its text.
    outcome = run({rom, true, Sha1Target::Launcher}, 1);
    EXPECT_FALSE(outcome.shownSha1);
    EXPECT_FALSE(outcome.profile);
    EXPECT_EQ(outcome.notFound, "");
}

TEST_F(Sha1CenterOperationTest, FindInTheEmulatorDatabases) {
    const std::string rom = dir.write("game.rom", "cartridge");
    const std::string sha1 = MediumSha1(rom, "");
    // No XML files: the search ends at once with its message.
    Sha1CenterOutcome outcome = run({rom, true, Sha1Target::Emulator});
    EXPECT_EQ(outcome.shownSha1, sha1);
    EXPECT_FALSE(outcome.entry);
    EXPECT_EQ(outcome.notFound, "M_NOT_FOUND_CORVANE");

    FakeEmulator other;
    other.addDatabase("msx.xml",
                      "<db><software><title>Game</title><system>MSX</system><dump><rom>"
                      "<hash algo=\"sha1\">" +
                          sha1 + "</hash></rom></dump></software></db>");
    Sha1CenterOperation found{store, cache, SoftwareSources(other.path()), texts};
    Sha1CenterJob job = found.prepare({rom, true, Sha1Target::Emulator});
    StopAtLook progress;
    job.run(progress);
    EXPECT_EQ(progress.status, "PR_SEARCH_CORVANE");
    outcome = found.finish(job);
    ASSERT_TRUE(outcome.entry);
    EXPECT_EQ(outcome.entry->title, "Game");
    EXPECT_EQ(outcome.entry->database, "msx.xml");
    EXPECT_EQ(outcome.notFound, "");
    // The files read stay with the operation for the next search.
    Sha1CenterJob again = found.prepare({rom, true, Sha1Target::Emulator});
    again.run(progress);
    EXPECT_TRUE(found.finish(again).entry);
}
