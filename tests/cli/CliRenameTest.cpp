// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "cli/RenameArguments.h"
#include "i18n/LanguageIds.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "model/Settings.h"
#include "support/FakeEmulator.h"
#include "support/ProgramRun.h"
#include "support/TempDir.h"
#include "support/ZipFixture.h"

using namespace corvane;
using namespace corvane::test;

namespace {

using Arguments = std::vector<std::string>;

class CliRenameTest : public ::testing::Test {
protected:
    TempDir base;
    FakeEmulator emulator;

    void SetUp() override {
        Settings settings;
        settings.languageId = kLanguageEnglish;
        settings.emulatorDirectory = emulator.path();
        ASSERT_TRUE(saveSettings(base.path(), settings));
        Game tapeAndRom;
        tapeAndRom.name = "Both";
        tapeAndRom.slot1File = base.write("media/b.rom", "rom");
        tapeAndRom.tapeFile = base.write("media/b.cas", "tape");
        Game zipped;
        zipped.name = "Zipped";
        writeZip(base.file("media/z.zip"), {{"z.rom", "z"}});
        zipped.slot1File = base.file("media/z.zip");
        base.write("Games.db", tapeAndRom.ToLine() + "\r\n" + zipped.ToLine() + "\r\n");
    }

    ProgramOutput rename(Arguments arguments) {
        arguments.insert(arguments.begin(), {"rename", "--base-dir", base.path()});
        return runProgram(CORVANE_CLI_EXE, arguments, {.workingDirectory = base.path()});
    }
    Game first() const { return DatabaseStore::readProfiles(base.file("Games.db"))[0]; }
};

}  // namespace

TEST_F(CliRenameTest, RenamesOnlyWithYesAndPrintsTheTotals) {
    const std::string before = readFile(base.file("Games.db"));
    ProgramOutput run = rename({"--database", "Games", "--rule", "name"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Are you sure you want to proceed"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(readFile(base.file("Games.db")), before);

    run = rename({"--database", "Games", "--rule", "name", "--media", "tape", "--yes"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Total files renamed: 1\nTotal files not renamed: 0\n");
    EXPECT_EQ(first().tapeFile, base.file("media/Both.cas"));
    EXPECT_EQ(first().slot1File, base.file("media/b.rom"));

    run = rename({"--database", "Games", "--rule", "short", "--yes"});
    EXPECT_EQ(run.status, 0) << run.err;
    // b.rom and z.zip stay, Both.cas becomes both.cas; the archive's profile is listed.
    EXPECT_EQ(run.out, "Total files renamed: 1\nTotal files not renamed: 2\nBoth\nZipped\n");
    EXPECT_EQ(first().tapeFile, base.file("media/both.cas"));
}

TEST_F(CliRenameTest, WrongArgumentsAndRefusalsHaveTheirOwnStatus) {
    EXPECT_EQ(rename({"--rule", "name", "--yes"}).status, 2);
    EXPECT_EQ(rename({"--database", "Games", "--yes"}).status, 2);
    EXPECT_EQ(rename({"--database", "Games", "--rule", "long", "--yes"}).status, 2);
    EXPECT_EQ(rename({"--database", "Games", "--rule", "name", "--media", "rom,zip"}).status, 2);
    const ProgramOutput missing = rename({"--database", "None", "--rule", "name", "--yes"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Error in I/O operation\n");

    const ParsedOptions<RenameArguments> parsed = parseRenameArguments(
        {"--database", "Games", "--rule", "title", "--media", "disk,harddisk", "--yes"}, "/");
    EXPECT_EQ(parsed.problem, "");
    EXPECT_EQ(parsed.values.request.rule, RenameRule::SoftwareTitle);
    const RenameMedia& media = parsed.values.request.media;
    EXPECT_TRUE(media.disk && media.hardDisk && !media.rom && !media.tape);
}
