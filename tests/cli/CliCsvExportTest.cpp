// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "app/CCorvaneLauncherApp.h"
#include "app/CsvExportOperation.h"
#include "common/Progress.h"
#include "i18n/LanguageIds.h"
#include "i18n/LanguageManager.h"
#include "model/Game.h"
#include "model/Settings.h"
#include "support/CsvRows.h"
#include "support/FakeEmulator.h"
#include "support/ProgramRun.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/ZipFixture.h"

using namespace corvane;
using namespace corvane::test;

namespace {

using Arguments = std::vector<std::string>;

std::string catalogueText(int language, const std::string& key) {
    LanguageManager languages;
    languages.setLanguage(language);
    return languages.text(key);
}

class CliCsvExportTest : public ::testing::Test {
protected:
    TempDir base;
    TempDir media;
    FakeEmulator emulator;

    void SetUp() override {
        emulator.addDatabase("soft.xml", "<db></db>");
        Settings settings;
        settings.languageId = kLanguageGerman;
        settings.emulatorDirectory = emulator.path();
        ASSERT_TRUE(saveSettings(base.path(), settings));
        writeDatabase("Games", 3);
        writeDatabase("More", 30);
    }
    void writeDatabase(const std::string& name, int count) {
        std::string lines;
        for (int i = 0; i < count; ++i) {
            Game game;
            game.name = name + " " + std::to_string(i);
            game.slot1File = media.write(name + std::to_string(i) + ".rom", patternBytes(2048));
            lines += game.ToLine() + "\r\n";
        }
        base.write(name + ".db", lines);
    }
    ProgramOutput exportCsv(const Arguments& arguments, ProgramStart start = {}) {
        if (start.workingDirectory.empty())
            start.workingDirectory = base.path();
        Arguments all{"export-csv"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        return runProgram(CORVANE_CLI_EXE, all, start);
    }
    // The same export as the launcher's window runs it.
    std::string exportInProcess(CsvExportRequest request) {
        ScriptedPrompter prompter;
        CCorvaneLauncherApp app(base.path(), prompter);
        app.loadSettings();
        CsvExportOperation operation(app.store(), app.sha1Cache(), app.texts());
        EXPECT_EQ(operation.refusal(request), std::nullopt);
        CsvExportJob job = operation.prepare(request, app.softwareSources());
        NoProgress progress;
        job.run(progress);
        EXPECT_EQ(operation.finish(job).result, OperationResult::Done);
        return readFile(request.file);
    }
    std::string done() const { return catalogueText(kLanguageGerman, "M_CSV_FULL_GEN") + "\n"; }
};

}  // namespace

TEST_F(CliCsvExportTest, TheFileIsTheLaunchersOwnOnDiskOrOnStandardOutput) {
    const std::string reference =
        exportInProcess({.all = false, .database = "Games", .file = media.file("reference.csv")});
    ASSERT_EQ(csvLines(reference).size(), 4u);
    EXPECT_EQ(parseCsvRow(csvLines(reference)[1]).size(), 41u);

    // Relative to the working directory.
    ProgramOutput run = exportCsv({"--base-dir", base.path(), "--database", "Games", "out.csv"},
                                  {.workingDirectory = media.path()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, done());
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(readFile(media.file("out.csv")), reference);

    run = exportCsv({"--database", "Games", "-"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, reference);
    EXPECT_EQ(run.err, done());
    EXPECT_FALSE(std::filesystem::exists(base.file("-")));

    // All: the header, then every database in turn.
    run = exportCsv({"--all", "-"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(csvLines(run.out).size(), 34u);
    EXPECT_EQ(exportInProcess({.all = true, .database = "", .file = media.file("all.csv")}),
              run.out);
}

TEST_F(CliCsvExportTest, AnExistingFileIsReplacedOnlyWithForce) {
    const std::string out = media.write("out.csv", "old");
    ProgramOutput run = exportCsv({"--all", out});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, catalogueText(kLanguageGerman, "M_FILE_EXIST_REPLACE") + "\n");
    EXPECT_EQ(readFile(out), "old");

    run = exportCsv({"--all", "--force", out});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, done());
    EXPECT_EQ(csvLines(readFile(out)).size(), 34u);

    // A link is a file there, even one to nothing; with --force the file it names is written.
    const std::string link = media.file("link.csv");
    std::filesystem::create_symlink(media.file("target.csv"), link);
    run = exportCsv({"--all", link});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, catalogueText(kLanguageGerman, "M_FILE_EXIST_REPLACE") + "\n");
    EXPECT_FALSE(std::filesystem::exists(media.file("target.csv")));
    run = exportCsv({"--all", "--force", link});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(csvLines(readFile(media.file("target.csv"))).size(), 34u);
}

TEST_F(CliCsvExportTest, WrongArgumentsAndRefusals) {
    for (const Arguments& arguments :
         {Arguments{"out.csv"}, Arguments{"--all", "--database", "Games", "out.csv"},
          Arguments{"--all"}, Arguments{"--all", "a.csv", "b.csv"},
          Arguments{"--database", "", "out.csv"}}) {
        const ProgramOutput run = exportCsv(arguments);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(arguments);
        EXPECT_NE(run.err.find("Usage: corvane-cli export-csv"), std::string::npos);
    }
    const ProgramOutput run = exportCsv({"--database", "Missing", "out.csv"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, catalogueText(kLanguageGerman, "M_ERR_NO_DB_SEL") + "\n");
    EXPECT_FALSE(std::filesystem::exists(base.file("out.csv")));
}

TEST_F(CliCsvExportTest, AFailedWriteLeavesTheOldFile) {
    const std::string out = media.write("out.csv", "old");
    const ProgramOutput run = exportCsv({"--all", "--force", out}, {.workingDirectory = base.path(),
                                                                    .terminalColumns = 0,
                                                                    .interruptWaiting = false,
                                                                    .fileSizeLimit = 4096});
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, catalogueText(kLanguageGerman, "M_ERR_FILE_IO") + "\n");
    EXPECT_EQ(readFile(out), "old");
    EXPECT_FALSE(std::filesystem::exists(out + ".tmp"));
}

TEST_F(CliCsvExportTest, CtrlCKeepsTheHeaderAndTells) {
    const std::string out = media.file("out.csv");
    const ProgramOutput run =
        exportCsv({"--all", out}, {.workingDirectory = base.path(), .interruptWaiting = true});
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.status, 130);
    EXPECT_EQ(run.out, catalogueText(kLanguageGerman, "M_CSV_PART_GEN") + "\n");
    EXPECT_EQ(csvLines(readFile(out)).size(), 1u);
}
