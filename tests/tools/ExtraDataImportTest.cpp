// SPDX-License-Identifier: GPL-3.0-or-later
// Import of extra data into whole databases: which profiles change, what is counted, and what a
// cancel or a failed write leaves behind.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

#include "common/AsciiCase.h"
#include "common/Path.h"
#include "common/Progress.h"
#include "media/CSHADigest.h"
#include "media/Sha1Cache.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"
#include "tools/ImportExtraDataHandler.h"

using namespace corvane;
using namespace corvane::test;

namespace {

std::string sha1Of(const std::string& bytes) {
    CSHADigest digest;
    digest.Update(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    digest.Final();
    return toLowerAscii(digest.DigestText());
}

// Asks for a stop once cancelled() has been asked a number of times.
class StopAfter final : public Progress {
public:
    explicit StopAfter(int asks) : left_(asks) {}
    void setRange(std::int64_t) override {}
    void setPosition(std::int64_t) override {}
    void setStatus(const std::string& text) override { statuses.push_back(text); }
    void setDetail(const std::string&) override {}
    bool cancelled() const override { return --left_ < 0; }
    std::vector<std::string> statuses;

private:
    mutable std::atomic<int> left_;
};

class ExtraDataImportTest : public ::testing::Test {
protected:
    TempDir dir;
    Sha1Cache cache;
    ImportExtraDataHandler handler{dir.path()};

    void SetUp() override {
        dir.write("abc.rom", "abc");
        dir.write("def.rom", "def");
        std::filesystem::create_directory(dir.file("extra-screenshots"));
        dir.write("extra-screenshots/1234a.png", "png");
        dir.write("extra-data.dat", "-- two records\r\n#1234\r\n2,17,3|5,\r\n" + sha1Of("abc") +
                                        "\r\n#0\r\n1,1,2,\r\n" + sha1Of("def") + "\r\n");
        ASSERT_TRUE(handler.Load());
    }
    std::string line(const std::string& name, const std::string& rom) const {
        Game game;
        game.name = name;
        if (!rom.empty())
            game.slot1File = dir.file(rom);
        return game.ToLine() + "\r\n";
    }
    std::vector<Game> profiles(const std::string& database) const {
        return DatabaseStore::readProfiles(dir.file(database + ".db"));
    }
    ExtraDataImportOutcome import(const ExtraDataImportRequest& request,
                                  const std::vector<std::string>& databases, Progress& progress) {
        return handler.Import(request, databases, LockWait{}, cache, progress);
    }
    ExtraDataImportOutcome import(const ExtraDataImportRequest& request,
                                  const std::vector<std::string>& databases) {
        NoProgress progress;
        return import(request, databases, progress);
    }
};

TEST_F(ExtraDataImportTest, EveryDatabaseTakesItsRecordsAndTheCacheAnswersTheSecondTime) {
    dir.write("A.db", line("Abc", "abc.rom") + "\r\n" + line("Def", "def.rom") + line("None", ""));
    dir.write("B.db", line("Abc", "abc.rom"));
    ExtraDataImportRequest request;
    request.options.generation = MergeMode::Overwrite;
    request.options.infoFile = SetMode::SetIfEmpty;
    request.options.screenshots = SetMode::Overwrite;

    const ExtraDataImportOutcome first = import(request, {"A", "B"});
    EXPECT_EQ(first.result, RewriteOutcome::Result::Done);
    // Def counts for its generation alone; None has no medium and no record.
    EXPECT_EQ(first.count, 3);
    EXPECT_EQ(first.rewritten, (std::vector<std::string>{"A", "B"}));
    ASSERT_EQ(first.hashed.size(), 3u);
    EXPECT_EQ(first.hashed[1].profile, "Def");
    EXPECT_EQ(first.hashed[1].database, "A");
    EXPECT_EQ(cache.find("Abc", "B"), sha1Of("abc"));

    const std::vector<Game> a = profiles("A");
    ASSERT_EQ(a.size(), 3u);
    EXPECT_EQ(a[0].generationValue(), 2);
    EXPECT_EQ(a[0].generationMsxId, "1234");
    EXPECT_EQ(a[0].infoFile, ImportExtraDataHandler::GenerationMsxLink(1234));
    EXPECT_EQ(a[0].image1, joinPath(dir.file("extra-screenshots"), "1234a.png"));
    EXPECT_EQ(a[0].image2, joinPath(dir.file("extra-screenshots"), "1234b.png"));
    // An id of 0 brings no link and no screenshots.
    EXPECT_EQ(a[1].generationValue(), 1);
    EXPECT_TRUE(a[1].generationMsxId.empty());
    EXPECT_TRUE(a[1].infoFile.empty());
    EXPECT_TRUE(a[1].image1.empty());
    // The empty line is gone; an unchanged profile keeps its line.
    EXPECT_EQ(readFile(dir.file("A.db")),
              a[0].ToLine() + "\r\n" + a[1].ToLine() + "\r\n" + line("None", ""));

    // The first run's hashes answer: nothing is hashed again, and the same profiles count.
    const ExtraDataImportOutcome second = import(request, {"A", "B"});
    EXPECT_EQ(second.count, 3);
    EXPECT_TRUE(second.hashed.empty());
}

TEST_F(ExtraDataImportTest, OnlyTheSelectedProfilesChange) {
    dir.write("A.db", line("Abc", "abc.rom") + line("Def", "def.rom") + line("def", "def.rom"));
    const std::string before = readFile(dir.file("A.db"));
    ExtraDataImportRequest request;
    request.allDatabases = false;
    request.options.sound = MergeMode::Merge;
    request.profiles = std::vector<std::string>{"Def", "Missing"};

    // A database gone since it was listed is passed over.
    const ExtraDataImportOutcome outcome = import(request, {"Gone", "A"});
    EXPECT_EQ(outcome.result, RewriteOutcome::Result::Done);
    EXPECT_EQ(outcome.count, 1);
    EXPECT_EQ(outcome.rewritten, std::vector<std::string>{"A"});
    const std::vector<Game> a = profiles("A");
    ASSERT_EQ(a.size(), 3u);
    EXPECT_EQ(a[0].soundByte(), 0);
    EXPECT_EQ(a[1].soundByte(), 1);
    // Names match exactly, letter case included.
    EXPECT_EQ(a[2].soundByte(), 0);
    // Nothing was hashed for the profiles left out.
    EXPECT_EQ(outcome.hashed.size(), 1u);

    // An empty selection changes nothing, yet the database is read and written whole.
    request.profiles->clear();
    dir.write("A.db", before);
    EXPECT_EQ(import(request, {"A"}).count, 0);
    EXPECT_EQ(readFile(dir.file("A.db")), before);
}

TEST_F(ExtraDataImportTest, CancelKeepsEveryProfileAndTouchesNoLaterDatabase) {
    std::string many;
    for (int i = 0; i < 40; ++i)
        many += line("Abc " + std::to_string(100 + i), "abc.rom");
    dir.write("A.db", many);
    dir.write("B.db", line("Abc", "abc.rom"));
    const std::string laterBefore = readFile(dir.file("B.db"));
    ExtraDataImportRequest request;
    request.options.generation = MergeMode::Merge;

    StopAfter progress(20);
    const ExtraDataImportOutcome outcome = import(request, {"A", "B"}, progress);
    EXPECT_EQ(outcome.result, RewriteOutcome::Result::Stopped);
    EXPECT_EQ(outcome.rewritten, std::vector<std::string>{"A"});
    EXPECT_EQ(progress.statuses, std::vector<std::string>{"A"});
    const std::vector<Game> a = profiles("A");
    ASSERT_EQ(a.size(), 40u);
    int changed = 0;
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(a[i].name, "Abc " + std::to_string(100 + i));
        // The profiles before the cancel changed, every one after it kept its line.
        if (a[i].generationValue() == 2)
            EXPECT_EQ(changed++, i);
        else
            EXPECT_EQ(a[i].ToLine() + "\r\n", line(a[i].name, "abc.rom"));
    }
    EXPECT_GT(changed, 0);
    EXPECT_LT(changed, 40);
    EXPECT_EQ(outcome.count, changed);
    EXPECT_EQ(readFile(dir.file("B.db")), laterBefore);
}

TEST_F(ExtraDataImportTest, AFailedWriteLeavesEveryDatabaseAsItWas) {
    dir.write("A.db", line("Abc", "abc.rom") + line("Def", "def.rom"));
    dir.write("B.db", line("Abc", "abc.rom"));
    const std::string a = readFile(dir.file("A.db"));
    const std::string b = readFile(dir.file("B.db"));
    ExtraDataImportRequest request;
    request.options.infoFile = SetMode::Overwrite;
    request.backup = true;

    // The changed lines are longer than the disk has room for.
    EXPECT_TRUE(passesWithFileSizeLimit(static_cast<off_t>(a.size() + 10), [&] {
        const ExtraDataImportOutcome outcome = import(request, {"A", "B"});
        return outcome.result != RewriteOutcome::Result::Done && outcome.rewritten.empty();
    }));
    EXPECT_EQ(readFile(dir.file("A.db")), a);
    EXPECT_EQ(readFile(dir.file("B.db")), b);
    EXPECT_FALSE(std::filesystem::exists(dir.file("B_0.db")));

    // With room, each database is backed up before it is replaced.
    EXPECT_EQ(import(request, {"A", "B"}).count, 2);
    EXPECT_EQ(readFile(dir.file("A_0.db")), a);
    EXPECT_EQ(readFile(dir.file("B_0.db")), b);
    EXPECT_NE(readFile(dir.file("A.db")), a);
}

}  // namespace
