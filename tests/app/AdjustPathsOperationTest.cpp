// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AdjustPathsOperation.h"

#include <gtest/gtest.h>

#include "support/ChildProcess.h"
#include "support/ScriptedProgress.h"

#include "OperationsFixture.h"

using namespace corvane;
using namespace corvane::test;

namespace {

// Asks to stop once the run has begun the database named.
class StopAfter : public ScriptedProgress {
public:
    explicit StopAfter(std::string database) : database_(std::move(database)) {}
    bool cancelled() const override { return status == database_; }

private:
    std::string database_;
};

class AdjustPathsOperationTest : public OperationsFixture {
protected:
    AdjustPathsOperation operation{store, texts};

    static std::string withPaths(const std::string& name, const std::string& rom,
                                 const std::string& info = "") {
        Game game;
        game.name = name;
        game.slot1File = rom;
        game.infoFile = info;
        return game.ToLine() + "\r\n";
    }
    // Each profile's ROM and info file.
    List paths(const std::string& db) const {
        List out;
        for (const Game& g : DatabaseStore::readProfiles(dir.file(db + ".db")))
            out.push_back(g.slot1File + " " + g.infoFile);
        return out;
    }
    ToolReport run(AdjustPathsRequest request, Progress& progress) {
        EXPECT_EQ(operation.refusal(request), std::nullopt);
        AdjustPathsJob job = operation.prepare(std::move(request));
        job.run(progress);
        return operation.finish(job);
    }
};

}  // namespace

TEST_F(AdjustPathsOperationTest, SharedFolderOfEveryDatabaseTakesTheNewOne) {
    EXPECT_EQ(operation.currentRelativePath().path, "");
    dir.write("A.db", withPaths("a", "C:\\Games\\MSX\\rom\\a.rom", "HTTP://info.example/a") +
                          "\r\n" + withPaths("b", "c:/games/msx/disk/b.dsk"));
    dir.write("B.db", withPaths("c", "C:\\GAMES\\MSX\\x.rom", "C:\\Games\\MSX\\doc\\c.txt"));
    const std::string current = operation.currentRelativePath().path;
    EXPECT_EQ(current, "C:/Games/MSX/");

    const ToolReport report = run({current, "/retro", true}, *std::make_unique<NoProgress>());
    EXPECT_EQ(report.result, OperationResult::Done);
    EXPECT_EQ(report.message, "M_ADJUSTED_ALL_PATHS");
    EXPECT_EQ(paths("A"), (List{"/retro/rom\\a.rom HTTP://info.example/a", "/retro/disk/b.dsk "}));
    EXPECT_EQ(paths("B"), (List{"/retro/x.rom /retro/doc\\c.txt"}));
    EXPECT_EQ(readFile(dir.file("A.db")).find("\r\n\r\n"), std::string::npos);
    EXPECT_TRUE(exists("A_0.db"));
    EXPECT_TRUE(exists("B_0.db"));
    EXPECT_EQ(operation.currentRelativePath().path, "/retro/");

    // Paths on two drives share nothing: nothing may be put in front of all of them.
    dir.write("C.db", withPaths("d", "D:\\other\\d.rom"));
    EXPECT_EQ(operation.currentRelativePath().path, "");
    EXPECT_EQ(operation.refusal({"", "/retro", false}), "M_ERR_NO_RELATIVE_PATH");
    EXPECT_EQ(operation.refusal({"/retro/", "", false}), "M_ERR_NO_DIR_SEL");
}

TEST_F(AdjustPathsOperationTest, AFailureOrCancelLeavesEachDatabaseDoneOrUntouched) {
    for (const char* name : {"A", "B", "C"}) {
        std::string content;
        for (int i = 0; i < 50; ++i)
            content += withPaths(std::string(name) + std::to_string(i), "/old/media/x.rom");
        dir.write(std::string(name) + ".db", content);
    }
    const std::string untouched = readFile(dir.file("B.db"));
    const std::string cBefore = readFile(dir.file("C.db"));
    const AdjustPathsRequest request{operation.currentRelativePath().path, "/new", false};
    ASSERT_EQ(request.current, "/old/media/");

    // B cannot be rewritten: A stays done, B and C untouched, and the user learns which is done.
    block("B.db.appending");
    ToolReport report = run(request, *std::make_unique<NoProgress>());
    unblock("B.db.appending");
    EXPECT_EQ(report.result, OperationResult::FileError);
    EXPECT_EQ(report.notices, List{"M_PATHS_ADJUSTED_INA"});
    EXPECT_EQ(paths("A")[49], "/new/x.rom ");
    EXPECT_EQ(readFile(dir.file("B.db")), untouched);
    EXPECT_EQ(readFile(dir.file("C.db")), cBefore);

    // A full disk on the first database: nothing changed, and the report says so.
    const std::string a = readFile(dir.file("A.db"));
    EXPECT_TRUE(passesWithFileSizeLimit(1024, [&] {
        AdjustPathsJob job = operation.prepare({"/new/", "/newer", false});
        NoProgress none;
        job.run(none);
        const ToolReport failed = operation.finish(job);
        return failed.result == OperationResult::FileError &&
               failed.notices == List{"M_PATHS_ADJUSTED_NONE"};
    }));
    EXPECT_EQ(readFile(dir.file("A.db")), a);

    // A Cancel during B lets B end whole and leaves C alone.
    StopAfter stop("B");
    report = run({"/old/media/", "/new", false}, stop);
    EXPECT_EQ(report.result, OperationResult::Done);
    EXPECT_EQ(report.message, "M_PATHS_ADJUSTED_INA, B");
    EXPECT_EQ(paths("B"), List(50, "/new/x.rom "));
    EXPECT_EQ(paths("C"), List(50, "/old/media/x.rom "));
}
