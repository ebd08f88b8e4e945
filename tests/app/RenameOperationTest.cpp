// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <utility>

#include "app/CCorvaneLauncherApp.h"
#include "app/RenameOperation.h"
#include "common/Path.h"
#include "common/Progress.h"
#include "i18n/LanguageIds.h"
#include "model/RenameJournal.h"
#include "model/Settings.h"
#include "support/FakeEmulator.h"
#include "support/ProgramRun.h"

#include "OperationsFixture.h"

using namespace corvane;
using namespace corvane::test;

namespace {

// Asks to stop once the run has reported reaching a position.
class StopAt : public Progress {
public:
    explicit StopAt(std::int64_t at) : at_(at) {}
    void setRange(std::int64_t) override {}
    void setPosition(std::int64_t done) override { position_ = done; }
    void setStatus(const std::string&) override {}
    void setDetail(const std::string&) override {}
    bool cancelled() const override { return position_ >= at_; }

private:
    std::int64_t at_;
    std::int64_t position_ = 0;
};

// Runs another program the first time the run looks at Cancel: after the database was read for
// the plan, before any rename.
class OtherWriterWhilePlanning : public Progress {
public:
    explicit OtherWriterWhilePlanning(std::function<void()> write) : write_(std::move(write)) {}
    void setRange(std::int64_t) override {}
    void setPosition(std::int64_t) override {}
    void setStatus(const std::string&) override {}
    void setDetail(const std::string&) override {}
    bool cancelled() const override {
        if (write_)
            std::exchange(write_, {})();
        return false;
    }

private:
    mutable std::function<void()> write_;
};

class RenameOperationTest : public OperationsFixture {
protected:
    RenameOperation operation{store, texts};
    FakeEmulator emulator;

    void writeDatabase(const std::vector<Game>& profiles) const {
        std::string text;
        for (const Game& game : profiles)
            text += game.ToLine() + "\r\n";
        dir.write("games.db", text);
    }

    RenameJob run(RenameRule rule, Progress& progress, RenameFile rename = renameWithoutReplacing) {
        FileRenameRequest request{.databaseName = "games", .rule = rule, .media = {}};
        EXPECT_EQ(operation.refusal(request), std::nullopt);
        RenameJob job = operation.prepare(request, emulator.path(), std::move(rename));
        job.run(progress);
        return job;
    }
    RenameJob run(RenameRule rule) {
        NoProgress progress;
        return run(rule, progress);
    }

    List slot1Files() const {
        List out;
        for (const Game& game : DatabaseStore::readProfiles(dir.file("games.db")))
            out.push_back(std::string(lastComponent(game.slot1File)));
        return out;
    }
};

}  // namespace

TEST_F(RenameOperationTest, EachRuleRenamesRealFilesAndTheDatabaseFollows) {
    dir.write("Knightmare.rom", "knightmare");
    writeDatabase({profile("Known", "abc.rom"), profile("Long", "Knightmare.rom"),
                   profile("Unknown", "empty.rom")});

    RenameJob shortNames = run(RenameRule::ShortFormat);
    EXPECT_EQ(shortNames.result(), OperationResult::Done);
    EXPECT_EQ(slot1Files(), (List{"abc.rom", "knight~1.rom", "empty.rom"}));
    EXPECT_EQ(shortNames.totals().renamed, 1u);
    EXPECT_EQ(shortNames.totals().notRenamed, 2u);
    EXPECT_EQ(shortNames.totals().listed, (List{"Known", "Unknown"}));
    EXPECT_TRUE(exists("knight~1.rom"));
    EXPECT_FALSE(exists("Knightmare.rom"));

    // The title comes from the software database, found by the file's SHA-1.
    emulator.addDatabase("db.xml", std::string("<db><software><title>Known Title</title>"
                                               "<dump><rom><hash algo=\"sha1\">") +
                                       kAbcSha1 + "</hash></rom></dump></software></db>");
    RenameJob titles = run(RenameRule::SoftwareTitle);
    EXPECT_EQ(slot1Files(), (List{"Known Title.rom", "knight~1.rom", "empty.rom"}));
    EXPECT_EQ(titles.totals().listed, (List{"Long", "Unknown"}));
    EXPECT_EQ(readFile(dir.file("Known Title.rom")), "abc");

    // A rename that fails counts as not renamed, and its profile keeps its path.
    NoProgress progress;
    RenameJob names =
        run(RenameRule::ProfileName, progress, [](const std::string& from, const std::string& to) {
            return from.find("empty") == std::string::npos && renameWithoutReplacing(from, to);
        });
    EXPECT_EQ(slot1Files(), (List{"Known.rom", "Long.rom", "empty.rom"}));
    EXPECT_EQ(names.totals().renamed, 2u);
    EXPECT_EQ(names.totals().listed, (List{"Unknown"}));
    EXPECT_FALSE(RenameJournal(dir.file("games.db")).exists());
}

TEST_F(RenameOperationTest, CancelKeepsTheRenamesMadeAndTheDatabaseFollowsThem) {
    std::vector<Game> profiles;
    for (int i = 0; i < 12; ++i) {
        const std::string file = "f" + std::to_string(i) + ".rom";
        dir.write(file, file);
        profiles.push_back(profile("P" + std::to_string(i), file));
    }
    writeDatabase(profiles);
    StopAt atFive(5);
    const RenameJob job = run(RenameRule::ProfileName, atFive);
    EXPECT_EQ(job.result(), OperationResult::Done);
    EXPECT_TRUE(job.stopped());
    EXPECT_EQ(job.totals().renamed, 5u);
    const List files = slot1Files();
    EXPECT_EQ(files[4], "P4.rom");
    EXPECT_EQ(files[5], "f5.rom");
    for (const Game& game : DatabaseStore::readProfiles(dir.file("games.db")))
        EXPECT_TRUE(fileExists(game.slot1File)) << game.slot1File;
}

TEST_F(RenameOperationTest, AnEarlierRunCutShortIsCompletedFirstAndRequestsAreChecked) {
    writeDatabase({profile("Known", "abc.rom"), profile("Other", "empty.rom")});
    // A run killed after its first rename: the journal and one file moved, the database not.
    ASSERT_TRUE(RenameJournal(dir.file("games.db"))
                    .write({{dir.file("abc.rom"), dir.file("Known.rom")},
                            {dir.file("empty.rom"), dir.file("Other.rom")}}));
    ASSERT_TRUE(renameWithoutReplacing(dir.file("abc.rom"), dir.file("Known.rom")));
    const RenameJob job = run(RenameRule::ShortFormat);
    // The profile followed the file moved before the kill, and this run took it on from there.
    EXPECT_EQ(slot1Files(), (List{"known.rom", "empty.rom"}));
    EXPECT_EQ(job.totals().renamed, 1u);
    EXPECT_FALSE(RenameJournal(dir.file("games.db")).exists());

    FileRenameRequest none{
        .databaseName = "games",
        .rule = RenameRule::ShortFormat,
        .media = {.rom = false, .disk = false, .tape = false, .hardDisk = false}};
    EXPECT_EQ(operation.refusal(none), "M_SEL_MEDIUM");
    EXPECT_EQ(
        operation.refusal({.databaseName = "gone", .rule = RenameRule::ShortFormat, .media = {}}),
        "M_ERR_FILE_IO");
}

TEST_F(RenameOperationTest, TheLauncherStartCompletesARunThatWasKilled) {
    writeDatabase({profile("Known", "abc.rom")});
    ASSERT_TRUE(
        RenameJournal(dir.file("games.db")).write({{dir.file("abc.rom"), dir.file("Known.rom")}}));
    ASSERT_TRUE(renameWithoutReplacing(dir.file("abc.rom"), dir.file("Known.rom")));
    CCorvaneLauncherApp app(dir.path(), prompter);
    app.loadSettings();
    EXPECT_EQ(slot1Files(), List{"Known.rom"});
    EXPECT_FALSE(RenameJournal(dir.file("games.db")).exists());
}

TEST_F(RenameOperationTest, ANameLongerThanAFileNameCanBeIsNotRenamedAndTheRestAre) {
    dir.write("a.rom", "a");
    dir.write("b.rom", "b");
    const std::string longName(300, 'L');
    writeDatabase({profile(longName, "a.rom"), profile("Short", "b.rom")});
    RenameJob job = run(RenameRule::ProfileName);
    EXPECT_EQ(job.result(), OperationResult::Done);
    EXPECT_EQ(slot1Files(), (List{"a.rom", "Short.rom"}));
    EXPECT_EQ(job.totals().renamed, 1u);
    EXPECT_EQ(job.totals().listed, List{longName});
    EXPECT_TRUE(exists("a.rom"));
    EXPECT_FALSE(RenameJournal(dir.file("games.db")).exists());
}

TEST_F(RenameOperationTest, AProfileAnotherProgramChangedSincePlanningKeepsItsFile) {
    emulator.addMachine("Alpha", "[Slots]\r\n");
    Settings settings;
    settings.languageId = kLanguageEnglish;
    settings.emulatorDirectory = emulator.path();
    ASSERT_TRUE(saveSettings(dir.path(), settings));
    std::filesystem::create_directory_symlink(".", dir.file("alias"));
    writeDatabase({profile("Known", "abc.rom"), profile("Other", "empty.rom")});
    const auto cli = [this](std::vector<std::string> arguments) {
        arguments.insert(arguments.begin() + 1, {"--base-dir", dir.path()});
        return [this, arguments] {
            const ProgramOutput run =
                runProgram(CORVANE_CLI_EXE, arguments, {.workingDirectory = dir.path()});
            EXPECT_EQ(run.status, 0) << run.err;
        };
    };
    // The same files under other path texts: renames planned from the old texts would leave
    // every profile pointing at a file renamed away.
    OtherWriterWhilePlanning adjust(cli({"adjust-paths", dir.file("alias")}));
    RenameJob job = run(RenameRule::ProfileName, adjust);
    EXPECT_EQ(job.result(), OperationResult::Done);
    EXPECT_EQ(job.totals().renamed, 0u);
    EXPECT_EQ(job.totals().notRenamed, 2u);
    EXPECT_EQ(job.totals().listed, (List{"Known", "Other"}));
    for (const Game& game : DatabaseStore::readProfiles(dir.file("games.db"))) {
        EXPECT_NE(game.slot1File.find("alias"), std::string::npos);
        EXPECT_TRUE(fileExists(game.slot1File)) << game.slot1File;
    }
    EXPECT_FALSE(RenameJournal(dir.file("games.db")).exists());

    // Only the profile that changed is left alone.
    Game other = profile("Other", "empty.rom");
    other.machine = "Alpha";
    writeDatabase({profile("Known", "abc.rom"), other});
    OtherWriterWhilePlanning setMachine(
        cli({"set-machine", "--database", "games", "--machine", "Alpha", "--only-missing"}));
    job = run(RenameRule::ProfileName, setMachine);
    EXPECT_EQ(job.totals().renamed, 1u);
    EXPECT_EQ(job.totals().listed, List{"Known"});
    EXPECT_EQ(slot1Files(), (List{"abc.rom", "Other.rom"}));
    EXPECT_EQ(DatabaseStore::readProfiles(dir.file("games.db"))[0].machine, "Alpha");
}
