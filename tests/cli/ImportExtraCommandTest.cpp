// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "cli/ImportExtraArguments.h"
#include "common/AsciiCase.h"
#include "i18n/LanguageIds.h"
#include "i18n/LanguageManager.h"
#include "media/MediaHash.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "model/Settings.h"
#include "support/ProgramRun.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {

using Arguments = std::vector<std::string>;

ParsedOptions<ImportExtraArguments> parse(const Arguments& arguments) {
    return parseImportExtraArguments(arguments, "/home/user");
}

TEST(ImportExtraArgumentsTest, OptionsFillTheDialogsRequest) {
    const ParsedOptions<ImportExtraArguments> all = parse({"--all"});
    ASSERT_EQ(all.problem, "");
    const ExtraDataImportRequest& defaults = all.values.request;
    EXPECT_TRUE(defaults.allDatabases);
    EXPECT_FALSE(defaults.profiles);
    EXPECT_FALSE(defaults.backup);
    for (MergeMode mode :
         {defaults.options.generation, defaults.options.sound, defaults.options.genre})
        EXPECT_EQ(mode, MergeMode::Skip);
    EXPECT_EQ(defaults.options.infoFile, SetMode::Skip);
    EXPECT_EQ(defaults.options.screenshots, SetMode::Skip);

    const ParsedOptions<ImportExtraArguments> every =
        parse({"--database", "Db", "--profile", "One", "--profile=Two", "--generation", "merge",
               "--sound", "overwrite", "--genre=merge", "--info-file", "if-empty", "--screenshots",
               "overwrite", "--backup"});
    ASSERT_EQ(every.problem, "");
    const ExtraDataImportRequest& request = every.values.request;
    EXPECT_FALSE(request.allDatabases);
    EXPECT_EQ(request.databaseName, "Db");
    EXPECT_EQ(request.profiles, (std::optional<Arguments>{{"One", "Two"}}));
    EXPECT_EQ(request.options.generation, MergeMode::Merge);
    EXPECT_EQ(request.options.sound, MergeMode::Overwrite);
    EXPECT_EQ(request.options.genre, MergeMode::Merge);
    EXPECT_EQ(request.options.infoFile, SetMode::SetIfEmpty);
    EXPECT_EQ(request.options.screenshots, SetMode::Overwrite);
    EXPECT_TRUE(request.backup);

    const std::pair<Arguments, std::string> wrong[] = {
        {{}, "choose the databases: --all or --database NAME"},
        {{"--all", "--database", "Db"}, "choose the databases: --all or --database NAME"},
        {{"--database", "A", "--database", "B"}, "name one database, once"},
        {{"--all", "--profile", "One"}, "--profile goes with --database"},
        {{"--all", "--genre", "if-empty"}, "--genre takes skip|overwrite|merge, not 'if-empty'"},
        {{"--all", "--screenshots", "merge"},
         "--screenshots takes skip|overwrite|if-empty, not 'merge'"},
    };
    for (const auto& [arguments, problem] : wrong)
        EXPECT_EQ(parse(arguments).problem, problem);
    EXPECT_NE(parse({"--all", "stray"}).problem, "");
    EXPECT_NE(importExtraHelp().find("--info-file skip|overwrite|if-empty"), std::string::npos);
}

class ImportExtraCommandTest : public ::testing::Test {
protected:
    TempDir base;

    void SetUp() override {
        Settings settings;
        settings.languageId = kLanguageEnglish;
        ASSERT_TRUE(saveSettings(base.path(), settings));
        base.write("abc.rom", "abc");
        base.write("extra-data.dat",
                   "#12\r\n2,0,0,\r\n" + MediumSha1(base.file("abc.rom"), "") + "\r\n");
        base.write("Db.db", line("One") + line("Two"));
    }
    std::string line(const std::string& name) const {
        Game game;
        game.name = name;
        game.slot1File = base.file("abc.rom");
        return game.ToLine() + "\r\n";
    }
    ProgramOutput importExtra(Arguments arguments, long fileSizeLimit = 0) {
        arguments.insert(arguments.begin(), {"import-extra", "--base-dir", base.path()});
        return runProgram(CORVANE_CLI_EXE, arguments,
                          {.workingDirectory = base.path(),
                           .terminalColumns = 0,
                           .interruptWaiting = false,
                           .fileSizeLimit = fileSizeLimit});
    }
    static std::string english(const std::string& key) {
        LanguageManager languages;
        languages.setLanguage(kLanguageEnglish);
        return languages.text(key);
    }
};

TEST_F(ImportExtraCommandTest, TheCountGoesToStandardOutputAndFailuresToStandardError) {
    const std::string before = readFile(base.file("Db.db"));
    // Nothing written when the database cannot take the changed lines.
    ProgramOutput run = importExtra({"--database", "Db", "--generation", "overwrite"},
                                    static_cast<long>(before.size() + 2));
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, english("M_ERR_FILE_IO") + "\n");
    EXPECT_EQ(readFile(base.file("Db.db")), before);

    run = importExtra({"--database", "Db", "--profile", "Two", "--generation", "overwrite"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1 profiles were updated\n");
    EXPECT_EQ(run.err, "");
    const std::vector<Game> profiles = DatabaseStore::readProfiles(base.file("Db.db"));
    ASSERT_EQ(profiles.size(), 2u);
    EXPECT_EQ(profiles[0].generationValue(), 0);
    EXPECT_EQ(profiles[1].generationValue(), 2);
    EXPECT_EQ(profiles[1].generationMsxId, "12");

    run = importExtra({"--database", "Gone"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, english("M_ERR_NO_DB_SEL") + "\n");

    run = importExtra({"--all", "--sound", "loud"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
}

}  // namespace
