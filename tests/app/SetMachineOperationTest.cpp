// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SetMachineOperation.h"

#include <gtest/gtest.h>

#include "support/ChildProcess.h"
#include "support/ScriptedProgress.h"

#include "OperationsFixture.h"

using namespace corvane;
using namespace corvane::test;

namespace {

class SetMachineOperationTest : public OperationsFixture {
protected:
    SetMachineOperation operation{store, cache, texts};
    const std::vector<std::string> usable{"MSX2", "Sony HB-F1XD"};

    std::string withMachine(const std::string& name, const std::string& machine,
                            const std::string& rom = "abc.rom") const {
        Game game = profile(name, rom);
        game.machine = machine;
        return game.ToLine() + "\r\n";
    }
    std::vector<std::string> machines(const std::string& db) const {
        std::vector<std::string> out;
        for (const Game& g : DatabaseStore::readProfiles(dir.file(db + ".db")))
            out.push_back(g.name + "=" + g.machine);
        return out;
    }
    ToolReport run(SetMachineRequest request, Progress& progress) {
        EXPECT_EQ(operation.refusal(request), std::nullopt);
        SetMachineJob job = operation.prepare(std::move(request), usable);
        job.run(progress);
        return operation.finish(job);
    }
};

}  // namespace

TEST_F(SetMachineOperationTest, ChosenMachineCountsEveryProfileOrOnlyThoseWithAMissingMachine) {
    dir.write("Games.db", "\r\n" + withMachine("A", "MSX2") + "\r\n" + withMachine("B", "Gone") +
                              withMachine("C", "Sony HB-F1XD"));
    SetMachineRequest request;
    request.databaseName = "Games";
    request.options.machine = "Sony HB-F1XD";
    request.options.onlyMissing = true;
    NoProgress none;
    ToolReport report = run(request, none);
    EXPECT_EQ(report.result, OperationResult::Done);
    EXPECT_EQ(report.message, "1M_PROFILES_MODIFIED");
    EXPECT_EQ(machines("Games"), (List{"A=MSX2", "B=Sony HB-F1XD", "C=Sony HB-F1XD"}));
    EXPECT_FALSE(exists("Games_0.db"));

    // Every profile counts, also one that had the machine already; empty lines are gone.
    request.options.onlyMissing = false;
    request.backup = true;
    const std::string before = readFile(dir.file("Games.db"));
    report = run(request, none);
    EXPECT_EQ(report.message, "3M_PROFILES_MODIFIED");
    EXPECT_EQ(machines("Games"), (List{"A=Sony HB-F1XD", "B=Sony HB-F1XD", "C=Sony HB-F1XD"}));
    EXPECT_EQ(readFile(dir.file("Games_0.db")), before);
    EXPECT_EQ(readFile(dir.file("Games.db")).find("\r\n\r\n"), std::string::npos);
}

TEST_F(SetMachineOperationTest, MinimumMachineHashesOnlyWhatTheCacheLacksAndKeepsTheRest) {
    dir.write("extra-data.dat", std::string("#1\n6,0,0,\n") + kAbcSha1 + "\n");
    dir.write("Games.db", withMachine("Known", "Gone", "missing.rom") +
                              withMachine("Hashed", "Gone") +
                              withMachine("NoRecord", "Gone", "empty.rom"));
    // Only the cache knows the SHA-1 of "Known", whose medium is gone.
    cache.store("Known", "Games", kAbcSha1);
    SetMachineRequest request;
    request.databaseName = "Games";
    request.options.minimumMachine = true;
    request.options.machine.clear();  // not used in this mode
    NoProgress none;
    const ToolReport report = run(request, none);
    EXPECT_EQ(report.message, "2M_PROFILES_MODIFIED");
    EXPECT_EQ(machines("Games"), (List{"Known=MSX2", "Hashed=MSX2", "NoRecord=Gone"}));
    EXPECT_EQ(cache.find("Hashed", "Games"), kAbcSha1);
    EXPECT_EQ(cache.find("NoRecord", "Games"), kEmptySha1);
}

TEST_F(SetMachineOperationTest, RefusesWhatCannotRunAndKeepsEveryProfileOnCancelOrFailure) {
    dir.write("Games.db", withMachine("A", "Gone"));
    SetMachineRequest request;
    EXPECT_EQ(operation.refusal(request), "M_ERR_NO_DB_SEL");
    request.databaseName = "Games";
    request.options.machine.clear();
    EXPECT_EQ(operation.refusal(request), "M_ERR_NO_MACHINE_SEL");
    request.options.machine = "Bad|Name";
    EXPECT_EQ(operation.refusal(request), "M_INVALID_NAME");
    request.options.minimumMachine = true;
    EXPECT_EQ(operation.refusal(request), std::nullopt);

    std::string content;
    for (int i = 0; i < 100; ++i)
        content += withMachine("P" + std::to_string(i), "Gone");
    dir.write("Games.db", content);
    request.options = {};
    // Cancelled before the first profile: all stay, none is counted, the file is whole.
    ScriptedProgress stopped;
    stopped.stop = true;
    ToolReport report = run(request, stopped);
    EXPECT_EQ(report.message, "0M_PROFILES_MODIFIED");
    EXPECT_EQ(readFile(dir.file("Games.db")), content);

    EXPECT_TRUE(passesWithFileSizeLimit(4096, [&] {
        NoProgress none;
        SetMachineJob job = operation.prepare(request, usable);
        job.run(none);
        const ToolReport failed = operation.finish(job);
        return failed.result == OperationResult::FileError && failed.message.empty();
    }));
    EXPECT_EQ(readFile(dir.file("Games.db")), content);
}
