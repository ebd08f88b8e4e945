// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "i18n/LanguageIds.h"
#include "i18n/LanguageManager.h"
#include "media/MediaHash.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "model/Settings.h"
#include "support/FakeEmulator.h"
#include "support/LockingProcess.h"
#include "support/ProgramRun.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {

using Arguments = std::vector<std::string>;

class CliRewriteToolsTest : public ::testing::Test {
protected:
    TempDir base;
    FakeEmulator emulator;

    void SetUp() override {
        emulator.addMachine("Alpha", "[Slots]\r\n");
        emulator.addMachine("MSX2 - C-BIOS", "[Slots]\r\n");
        Settings settings;
        settings.languageId = kLanguageEnglish;
        settings.emulatorDirectory = emulator.path();
        ASSERT_TRUE(saveSettings(base.path(), settings));
    }
    ProgramOutput cli(Arguments arguments) {
        arguments.insert(arguments.begin() + 1, {"--base-dir", base.path()});
        return runProgram(CORVANE_CLI_EXE, arguments, {.workingDirectory = base.path()});
    }
    static std::string profile(const std::string& name, const std::string& machine,
                               const std::string& rom) {
        Game game;
        game.name = name;
        game.machine = machine;
        game.slot1File = rom;
        return game.ToLine() + "\r\n";
    }
    std::vector<std::string> fields(const std::string& database) const {
        std::vector<std::string> out;
        for (const Game& g : DatabaseStore::readProfiles(base.file(database + ".db")))
            out.push_back(g.machine + " " + g.slot1File);
        return out;
    }
};

}  // namespace

TEST_F(CliRewriteToolsTest, SetMachineTakesTheWindowsChoicesAndReportsTheCount) {
    const std::string content =
        profile("A", "Gone", "/m/a.rom") + profile("B", "Alpha", "/m/b.rom");
    base.write("Games.db", content);
    for (const Arguments& wrong :
         {Arguments{"set-machine", "--machine", "Alpha"},
          Arguments{"set-machine", "--database", "Games"},
          Arguments{"set-machine", "--database", "Games", "--machine", "Alpha", "--minimum"},
          Arguments{"set-machine", "--database", "Games", "--machine", "Nowhere"}}) {
        const ProgramOutput run = cli(wrong);
        EXPECT_EQ(run.status, 2) << wrong.back();
        EXPECT_NE(run.err.find("Usage: corvane-cli set-machine"), std::string::npos);
    }
    ProgramOutput run = cli({"set-machine", "--database", "Other", "--machine", "Alpha"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "No database selected\n");
    EXPECT_EQ(readFile(base.file("Games.db")), content);

    run = cli({"set-machine", "--database", "Games", "--machine", "MSX2 - C-BIOS", "--only-missing",
               "--backup"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1 profiles were updated\n");
    EXPECT_EQ(fields("Games"),
              (std::vector<std::string>{"MSX2 - C-BIOS /m/a.rom", "Alpha /m/b.rom"}));
    EXPECT_EQ(readFile(base.file("Games_0.db")), content);

    // Without extra data no profile has a minimum machine.
    run = cli({"set-machine", "--database", "Games", "--minimum"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "0 profiles were updated\n");
}

TEST_F(CliRewriteToolsTest, AdjustPathsPrintsTheCurrentPathOrReplacesIt) {
    base.write("A.db", profile("A", "", "/old/roms/a.rom"));
    base.write("B.db", profile("B", "", "/old/b.rom"));
    ProgramOutput run = cli({"adjust-paths"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "/old/\n");
    EXPECT_EQ(cli({"adjust-paths", "/x", "/y"}).status, 2);

    run = cli({"adjust-paths", "--backup", "/new"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Adjusted current relative path successfully\n");
    EXPECT_EQ(fields("A"), std::vector<std::string>{" /new/roms/a.rom"});
    EXPECT_EQ(fields("B"), std::vector<std::string>{" /new/b.rom"});
    EXPECT_TRUE(std::filesystem::exists(base.file("A_0.db")));
    EXPECT_TRUE(std::filesystem::exists(base.file("B_0.db")));

    // Nothing shared: refused, and nothing changes.
    base.write("C.db", profile("C", "", "D:\\c.rom"));
    const std::string before = readFile(base.file("A.db"));
    run = cli({"adjust-paths", "/newer"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no current relative path"), std::string::npos);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(readFile(base.file("A.db")), before);
    EXPECT_EQ(cli({"adjust-paths"}).out, "\n");
}

// Ctrl+C gives 130 in every command, also once part of the change is made; standard output
// tells what was.
TEST_F(CliRewriteToolsTest, AStopGivesOneStatusWhateverWasChangedByThen) {
    base.write("rom.rom", "rom");
    base.write("extra-data.dat",
               "#1\r\n6,0,0,\r\n" + MediumSha1(base.file("rom.rom"), "") + "\r\n");
    const std::pair<Arguments, std::string> cases[] = {
        {{"set-machine", "--database", "Games", "--machine", "Alpha"}, "0 profiles were updated\n"},
        {{"import-extra", "--all", "--generation", "overwrite"}, "0 profiles were updated\n"},
        {{"adjust-paths", "/new"}, ""},
        {{"rename", "--database", "Games", "--rule", "name", "--yes"},
         "Total files renamed: 0\nTotal files not renamed: 0\n"},
    };
    for (const auto& [arguments, out] : cases) {
        base.write("Games.db", profile("A", "Gone", base.file("rom.rom")));
        Arguments all = arguments;
        all.insert(all.begin() + 1, {"--base-dir", base.path()});
        const ProgramOutput run = runProgram(
            CORVANE_CLI_EXE, all, {.workingDirectory = base.path(), .interruptWaiting = true});
        EXPECT_EQ(run.signal, 0) << arguments.front();
        EXPECT_EQ(run.status, 130) << arguments.front();
        EXPECT_EQ(run.out, out) << arguments.front();
    }
}

// Both wrote the database the other had read: the second reads it again and changes what the
// first wrote, rather than giving up.
TEST_F(CliRewriteToolsTest, TwoCommandsWritingOneDatabaseAtOnceBothMakeTheirChange) {
    base.write("Games.db", profile("A", "Gone", "/old/a.rom") + profile("B", "Gone", "/old/b.rom"));
    LanguageManager english;
    english.setLanguage(kLanguageEnglish);
    const std::string waiting = english.text("M_WAITING_FOR_WRITER");
    LockingProcess launcher(base.path());
    const ProgramStart start{.workingDirectory = base.path()};
    RunningProgram machine(
        CORVANE_CLI_EXE,
        {"set-machine", "--base-dir", base.path(), "--database", "Games", "--machine", "Alpha"},
        start);
    RunningProgram paths(CORVANE_CLI_EXE, {"adjust-paths", "--base-dir", base.path(), "/new"},
                         start);
    // Each has read the database and waits to write it.
    ASSERT_TRUE(machine.waitForError(waiting));
    ASSERT_TRUE(paths.waitForError(waiting));
    ASSERT_TRUE(launcher.release());
    const ProgramOutput machineRun = machine.finish();
    const ProgramOutput pathsRun = paths.finish();
    EXPECT_EQ(machineRun.status, 0) << machineRun.err;
    EXPECT_EQ(machineRun.out, "2 profiles were updated\n");
    EXPECT_EQ(machineRun.err, waiting + "\n");
    EXPECT_EQ(pathsRun.status, 0) << pathsRun.err;
    EXPECT_EQ(pathsRun.out, "Adjusted current relative path successfully\n");
    EXPECT_EQ(fields("Games"), (std::vector<std::string>{"Alpha /new/a.rom", "Alpha /new/b.rom"}));
}
