// SPDX-License-Identifier: GPL-3.0-or-later
// Another program (a corvane-cli fill beside the launcher) writing the same base directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <thread>

#include "app/AdjustPathsOperation.h"
#include "app/DatabaseOperations.h"
#include "app/FillOperation.h"
#include "app/ImportExtraDataOperation.h"
#include "app/ProfileOperations.h"
#include "common/Progress.h"
#include "i18n/LanguageIds.h"
#include "model/Settings.h"
#include "support/FakeEmulator.h"
#include "support/LockingProcess.h"
#include "support/ProgramRun.h"
#include "support/ScriptedProgress.h"

#include "OperationsFixture.h"

using namespace corvane;
using namespace corvane::test;

namespace {

class ConcurrentWritersTest : public OperationsFixture {
protected:
    TempDir media;
    FakeEmulator emulator;

    void SetUp() override {
        OperationsFixture::SetUp();
        dir.write("Games.db", line("A") + line("B", "empty.rom"));
        dir.write("Games_0.db", line("Old"));
        ASSERT_EQ(favorites.add("A", "Games"), FavoriteResult::Written);
        media.write("New.rom", "new");
    }
    void waitFor(LockWait wait) {
        store.setLockWait(wait);
        favorites.setLockWait(std::move(wait));
    }
    std::map<std::string, std::string> files() const {
        std::map<std::string, std::string> all;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            all[entry.path().filename().string()] = readFile(entry.path().string());
        return all;
    }
    // Another program gives every profile of the database a machine.
    void setMachineElsewhere(const std::string& database, const std::string& machine) {
        const ProgramOutput run = runProgram(
            CORVANE_CLI_EXE,
            {"set-machine", "--base-dir", dir.path(), "--database", database, "--machine", machine},
            {.workingDirectory = dir.path()});
        ASSERT_EQ(run.status, 0) << run.err;
    }
    OperationResult appendFill() {
        FillOperation operation(store, favorites, cache, texts);
        FillRequest request;
        request.databaseName = "Games";
        request.paths = {media.path()};
        FillJob job = operation.prepare(std::move(request), emulator.path());
        NoProgress progress;
        job.run(progress);
        return operation.finish(job).result;
    }
};

// Answers every question and looks meanwhile whether another writer could get in.
class ProbingPrompter : public ScriptedPrompter {
public:
    explicit ProbingPrompter(std::string directory) : directory_(std::move(directory)) {}
    bool confirm(const std::string& text) override {
        std::thread([this] {
            lockFreeWhileAsked = DirectoryLock(directory_, {.timeout = {}, .whenBusy = {}}).held();
        }).join();
        return ScriptedPrompter::confirm(text);
    }
    bool lockFreeWhileAsked = false;

private:
    std::string directory_;
};

// Another program takes the lock as soon as a run over several databases begins its second one.
class LockedAtTheSecondDatabase : public ScriptedProgress {
public:
    explicit LockedAtTheSecondDatabase(std::string directory) : directory_(std::move(directory)) {}
    void setStatus(const std::string& text) override {
        if (first.empty())
            first = text;
        else if (text != first && !other_)
            other_ = std::make_unique<LockingProcess>(directory_);
    }
    std::string first;

private:
    std::string directory_;
    std::unique_ptr<LockingProcess> other_;
};

// Lets another program write while the user is asked, then answers Yes.
class WritingWhileAsked : public ScriptedPrompter {
public:
    explicit WritingWhileAsked(std::function<void()> write) : write_(std::move(write)) {}
    MultiAnswer multiConfirm(const std::string& text) override {
        write_();
        return ScriptedPrompter::multiConfirm(text);
    }

private:
    std::function<void()> write_;
};

}  // namespace

TEST_F(ConcurrentWritersTest, AProfileAnotherProgramChangedSinceTheListWasLoadedIsLeftAlone) {
    emulator.addMachine("Alpha", "[Slots]\r\n");
    emulator.addMachine("Beta", "[Slots]\r\n");
    Settings settings;
    settings.languageId = kLanguageEnglish;
    settings.emulatorDirectory = emulator.path();
    ASSERT_TRUE(saveSettings(dir.path(), settings));
    dir.write("Other.db", "");
    store.setCurrentDatabase("Games");
    ProfileOperations profiles(store, favorites, cache, prompter, texts);

    const std::vector<Game> listed = DatabaseStore::readProfiles(dir.file("Games.db"));
    setMachineElsewhere("Games", "Alpha");
    const std::string changed = readFile(dir.file("Games.db"));
    Game edited = listed[0];
    edited.company = "Edited";
    EXPECT_EQ(profiles.saveProfile(edited, "Games", &listed[0]), OperationResult::ChangedElsewhere);
    EXPECT_EQ(profiles.removeProfiles("Games", {listed[1]}), OperationResult::ChangedElsewhere);
    EXPECT_EQ(profiles.moveProfiles(listed, "Other"), OperationResult::ChangedElsewhere);
    dir.write("extra-data.dat", std::string("#77\r\n8,0,0,\r\n") + kAbcSha1 + "\r\n");
    ImportExtraDataOperation setExtraData(store, cache, texts);
    setExtraData.actOnListed({listed[0]});
    ExtraDataImportRequest request;
    request.options.generation = MergeMode::Overwrite;
    request.allDatabases = false;
    request.databaseName = "Games";
    request.profiles = List{"A"};
    ImportExtraDataJob job = setExtraData.prepare(request);
    NoProgress none;
    job.run(none);
    EXPECT_EQ(setExtraData.finish(job).result, OperationResult::ChangedElsewhere);
    EXPECT_EQ(readFile(dir.file("Games.db")), changed);
    EXPECT_EQ(readFile(dir.file("Other.db")), "");
    EXPECT_EQ(favoriteList(), List{"A|Games"});
    EXPECT_STREQ(resultMessageKey(OperationResult::ChangedElsewhere), "M_ERR_PROFILE_CHANGED");

    // The list loaded again shows the file as it is, and the edit is saved on top of it.
    const std::vector<Game> reloaded = DatabaseStore::readProfiles(dir.file("Games.db"));
    edited = reloaded[0];
    edited.company = "Edited";
    EXPECT_EQ(profiles.saveProfile(edited, "Games", &reloaded[0]), OperationResult::Done);
    const std::vector<Game> now = DatabaseStore::readProfiles(dir.file("Games.db"));
    EXPECT_EQ(now.back().company, "Edited");
    EXPECT_EQ(now.back().machine, "Alpha");
    setExtraData.actOnListed({now.back()});
    job = setExtraData.prepare(request);
    job.run(none);
    EXPECT_EQ(setExtraData.finish(job).result, OperationResult::Done);
    EXPECT_EQ(DatabaseStore::readProfiles(dir.file("Games.db")).back().generationMsxId, "77");

    // Changed while the user was asked whether the move may replace a profile: the target has
    // the listed copy, and the source keeps what the other program wrote.
    dir.write("Other.db", line("B", "empty.rom"));
    WritingWhileAsked asking([this] { setMachineElsewhere("Games", "Beta"); });
    asking.multiAnswers = {MultiAnswer::Yes};
    ProfileOperations moving(store, favorites, cache, asking, texts);
    const std::vector<Game> before = DatabaseStore::readProfiles(dir.file("Games.db"));
    EXPECT_EQ(moving.moveProfiles({before[0]}, "Other"), OperationResult::ChangedElsewhere);
    EXPECT_EQ(DatabaseStore::readProfiles(dir.file("Other.db")), std::vector<Game>{before[0]});
    EXPECT_EQ(DatabaseStore::readProfiles(dir.file("Games.db"))[0].machine, "Beta");
}

TEST_F(ConcurrentWritersTest, ARunStoppedByAnotherWriterNamesTheDatabasesItChanged) {
    waitFor({.timeout = {}, .whenBusy = {}});
    dir.write("Other.db", line("C"));
    dir.write("extra-data.dat", std::string("#77\r\n8,0,0,\r\n") + kAbcSha1 + "\r\n");

    {
        AdjustPathsOperation adjust(store, texts);
        LockedAtTheSecondDatabase adjusting(dir.path());
        AdjustPathsJob adjustJob =
            adjust.prepare({adjust.currentRelativePath().path, "/new", false});
        adjustJob.run(adjusting);
        const ToolReport report = adjust.finish(adjustJob);
        EXPECT_EQ(report.result, OperationResult::Busy);
        EXPECT_EQ(report.notices, List{"M_PATHS_ADJUSTED_IN" + adjusting.first});
        EXPECT_EQ(report.error, "M_ERR_BASE_DIR_BUSY_REST");
    }  // the other program ends

    ImportExtraDataOperation import(store, cache, texts);
    LockedAtTheSecondDatabase importing(dir.path());
    ExtraDataImportRequest request;
    request.options.generation = MergeMode::Overwrite;
    ImportExtraDataJob importJob = import.prepare(request);
    importJob.run(importing);
    const ToolReport report = import.finish(importJob);
    EXPECT_EQ(report.result, OperationResult::Busy);
    EXPECT_EQ(report.notices, List{"M_EXTRA_DATA_IMPORTED_IN" + importing.first});
    EXPECT_EQ(report.error, "M_ERR_BASE_DIR_BUSY_REST");
}

TEST_F(ConcurrentWritersTest, AWriterThatCannotGetTheLockSaysSoAndChangesNothing) {
    waitFor({.timeout = {}, .whenBusy = {}});
    store.setCurrentDatabase("Games");
    const auto before = files();
    LockingProcess other(dir.path());
    DatabaseOperations databases(store, favorites, cache);
    ProfileOperations profiles(store, favorites, cache, prompter, texts);
    Game edited = profile("A2");
    const Game listed = profile("A");

    EXPECT_EQ(databases.renameDatabase("Games", "Renamed"), OperationResult::Busy);
    EXPECT_EQ(databases.deleteDatabase("Games", true), OperationResult::Busy);
    EXPECT_EQ(databases.restoreDatabase("Games"), OperationResult::Busy);
    EXPECT_EQ(databases.overwriteDatabase("Games", {}, OverwriteMode::Replace, true),
              OperationResult::Busy);
    EXPECT_EQ(profiles.removeProfiles("Games", {profile("A")}), OperationResult::Busy);
    EXPECT_EQ(profiles.saveProfile(edited, "Games", &listed), OperationResult::Busy);
    EXPECT_EQ(profiles.saveProfile(profile("C"), "Games", nullptr), OperationResult::Busy);
    EXPECT_EQ(profiles.moveProfiles({profile("A")}, "Other"), OperationResult::Busy);
    EXPECT_EQ(favorites.add("B", "Games"), FavoriteResult::Busy);
    EXPECT_FALSE(favorites.sort());
    EXPECT_EQ(appendFill(), OperationResult::Busy);
    EXPECT_STREQ(resultMessageKey(OperationResult::Busy), "M_ERR_BASE_DIR_BUSY");

    EXPECT_EQ(files(), before);
    EXPECT_EQ(store.currentDatabaseName(), "Games");
    EXPECT_EQ(favoriteList(), List{"A|Games"});
}

TEST_F(ConcurrentWritersTest, AWriterWaitsUntilTheOtherHasFinished) {
    LockingProcess other(dir.path());
    int toldBusy = 0;
    waitFor({.timeout = std::chrono::minutes(1), .whenBusy = [&] {
                 ++toldBusy;
                 EXPECT_TRUE(other.release());
             }});
    ProfileOperations profiles(store, favorites, cache, prompter, texts);
    EXPECT_EQ(profiles.removeProfiles("Games", {profile("A")}), OperationResult::Done);
    EXPECT_EQ(toldBusy, 1);
    EXPECT_EQ(names("Games"), List{"B"});
    EXPECT_EQ(favoriteList(), List{});
}

TEST_F(ConcurrentWritersTest, NoWriterWaitsWhileTheUserIsAsked) {
    ProbingPrompter asking(dir.path());
    ProfileOperations profiles(store, favorites, cache, asking, texts);
    // B is there already: the user is asked whether it may be replaced.
    EXPECT_EQ(profiles.saveProfile(profile("B"), "Games", nullptr), OperationResult::Done);
    EXPECT_EQ(asking.confirmations.size(), 1u);
    EXPECT_TRUE(asking.lockFreeWhileAsked);
    EXPECT_EQ(names("Games"), (List{"A", "B"}));
    EXPECT_EQ(DatabaseStore::readProfiles(dir.file("Games.db"))[1].slot1File, dir.file("abc.rom"));
}

TEST_F(ConcurrentWritersTest, FavoritesKeepWhatAnotherProgramWroteMeanwhile) {
    Favorites elsewhere(dir.path());
    ASSERT_EQ(elsewhere.add("B", "Games"), FavoriteResult::Written);
    ASSERT_EQ(favorites.add("C", "Games"), FavoriteResult::Written);
    EXPECT_EQ(Favorites(dir.path()).items(),
              (std::vector<Favorite>{{"A", "Games"}, {"B", "Games"}, {"C", "Games"}}));
    // A removal there is not undone by the next change here either.
    ASSERT_EQ(elsewhere.removeDatabase("Games"), FavoriteResult::Written);
    ASSERT_EQ(favorites.add("D", "Other"), FavoriteResult::Written);
    EXPECT_EQ(favoriteList(), List{"D|Other"});
}
