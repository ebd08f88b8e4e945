// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "i18n/LanguageIds.h"
#include "media/MediaHash.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "model/Settings.h"
#include "support/FakeEmulator.h"
#include "support/ProgramRun.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {

using Arguments = std::vector<std::string>;

// A base directory whose profile names its medium relatively, run from another working directory
// that holds a different file at the same relative path.
struct Collection {
    TempDir base;
    TempDir elsewhere;
    FakeEmulator emulator;
    std::string sha1;

    Collection() {
        sha1 = MediumSha1(base.write("media/a.rom", "the base directory's medium"), "");
        elsewhere.write("media/a.rom", "a stranger at the same relative path");
        elsewhere.write("copy.rom", "the base directory's medium");
        elsewhere.write("copies/again.rom", "the base directory's medium");
        emulator.addMachine("MSX2", "[Slots]\r\n");
        emulator.addMachine("Sony HB-F1XD", "[Slots]\r\n");
        emulator.addDatabase("soft.xml",
                             "<db><software><title>Game</title><dump><rom><hash "
                             "algo=\"sha1\">" +
                                 sha1 +
                                 "</hash></rom></dump><dump><rom><hash "
                                 "algo=\"sha1\">" +
                                 std::string(40, '0') + "</hash></rom></dump></software></db>");
        base.write("extra-data.dat", "#1\r\n6,0,0,\r\n" + sha1 + "\r\n");
        Game game;
        game.name = "Game";
        game.machine = "Gone";
        game.slot1File = "media/a.rom";
        base.write("Games.db", game.ToLine() + "\r\n");
        Settings settings;
        settings.languageId = kLanguageEnglish;
        settings.emulatorDirectory = emulator.path();
        EXPECT_TRUE(saveSettings(base.path(), settings));
    }
    std::vector<Game> profiles() const {
        return DatabaseStore::readProfiles(base.file("Games.db"));
    }
};

struct Case {
    Arguments arguments;  // the command and its own arguments; --base-dir is added
    std::function<void(const Collection&, const ProgramOutput&)> check;
};

}  // namespace

// Every command that reads media takes a profile's relative paths from the base directory, as
// the window does, and the paths on its command line from the working directory.
TEST(CliWorkingDirectoryTest, RelativeMediaAreTheBaseDirectorysWhateverTheWorkingDirectory) {
    const std::vector<Case> cases = {
        {{"rename", "--database", "Games", "--rule", "name", "--yes"},
         [](const Collection& c, const ProgramOutput& run) {
             EXPECT_NE(run.out.find("Total files renamed: 1\n"), std::string::npos) << run.out;
             EXPECT_TRUE(std::filesystem::exists(c.base.file("media/Game.rom")));
             EXPECT_TRUE(std::filesystem::exists(c.elsewhere.file("media/a.rom")));
             EXPECT_EQ(c.profiles().at(0).slot1File, "media/Game.rom");
         }},
        {{"import-extra", "--database", "Games", "--generation", "overwrite"},
         [](const Collection&, const ProgramOutput& run) {
             EXPECT_EQ(run.out, "1 profiles were updated\n");
         }},
        {{"set-machine", "--database", "Games", "--minimum"},
         [](const Collection& c, const ProgramOutput& run) {
             EXPECT_EQ(run.out, "1 profiles were updated\n");
             EXPECT_EQ(c.profiles().at(0).machine, "MSX2");
         }},
        {{"sha1", "--find", "launcher", "copy.rom"},
         [](const Collection& c, const ProgramOutput& run) {
             EXPECT_EQ(run.out, c.sha1 + "\tGames\tGame\n");
         }},
        {{"export-csv", "--database", "Games", "out.csv"},
         [](const Collection& c, const ProgramOutput&) {
             const std::string csv = readFile(c.elsewhere.file("out.csv"));
             EXPECT_NE(csv.find(c.sha1), std::string::npos) << csv;
         }},
        {{"other-dumps", "--database", "Games", "Game"},
         [](const Collection&, const ProgramOutput& run) { EXPECT_EQ(run.out, "2\n"); }},
        // The copy is the medium the database holds already.
        {{"fill", "--existing", "Games", "copies"},
         [](const Collection& c, const ProgramOutput&) { EXPECT_EQ(c.profiles().size(), 1u); }},
    };
    for (const Case& one : cases) {
        SCOPED_TRACE(one.arguments.front());
        const Collection collection;
        Arguments arguments = one.arguments;
        arguments.insert(arguments.begin() + 1, {"--base-dir", collection.base.path()});
        const ProgramOutput run = runProgram(CORVANE_CLI_EXE, arguments,
                                             {.workingDirectory = collection.elsewhere.path()});
        EXPECT_EQ(run.status, 0) << run.err;
        one.check(collection, run);
    }
}
