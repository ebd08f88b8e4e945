// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <set>
#include <sstream>

#include "app/CCorvaneLauncherApp.h"
#include "app/FillOperation.h"
#include "cli/CliContext.h"
#include "cli/CliProgram.h"
#include "cli/FillArguments.h"
#include "common/Progress.h"
#include "i18n/LanguageIds.h"
#include "i18n/LanguageManager.h"
#include "media/MediaHash.h"
#include "model/Game.h"
#include "model/Settings.h"
#include "support/FakeEmulator.h"
#include "support/LockingProcess.h"
#include "support/ProgramRun.h"
#include "support/ScopedVariable.h"
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

std::vector<std::string> filesIn(const std::string& directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class CliFillTest : public ::testing::Test {
protected:
    TempDir base;
    TempDir media;
    FakeEmulator emulator;

    void SetUp() override {
        media.write("loose/Game.rom", "rom bytes");
        media.write("loose/sub/Game.dsk", std::string(737280, 'd'));
        media.write("Tape.cas", "tape");
        media.write("notes.txt", "not a medium");
        writeZip(media.file("pack.zip"),
                 {{"Inner.ROM", "inner"}, {"readme.txt", "text"}, {"Side.cas", "side"}});
        emulator.addDatabase("soft.xml",
                             "<db><software><title>Known Title</title><dump><rom>"
                             "<hash algo=\"sha1\">" +
                                 MediumSha1(media.file("loose/Game.rom"), "") +
                                 "</hash></rom></dump></software></db>");
        writeSettings(kLanguageEnglish);
    }

    void writeSettings(int language) {
        Settings settings;
        settings.languageId = language;
        settings.emulatorDirectory = emulator.path();
        ASSERT_TRUE(saveSettings(base.path(), settings));
    }

    ProgramOutput cli(const Arguments& arguments, ProgramStart start = {}) {
        if (start.workingDirectory.empty())
            start.workingDirectory = base.path();
        return runProgram(CORVANE_CLI_EXE, arguments, start);
    }
    ProgramOutput fill(Arguments arguments, ProgramStart start = {}) {
        arguments.insert(arguments.begin(), "fill");
        return cli(arguments, std::move(start));
    }

    // The same fill as the launcher's windows run it, on another base directory.
    static ToolReport fillInProcess(const std::string& baseDirectory, FillRequest request) {
        ScriptedPrompter prompter;
        CCorvaneLauncherApp app(baseDirectory, prompter);
        app.loadSettings();
        FillOperation operation(app.store(), app.favorites(), app.sha1Cache(), app.texts());
        EXPECT_EQ(operation.refusal(request), std::nullopt);
        FillJob job = operation.prepare(std::move(request), app.settings().emulatorDirectory);
        NoProgress progress;
        job.run(progress);
        return operation.finish(job);
    }
    static FillRequest request(FillTarget target, const std::string& database, Arguments paths) {
        FillRequest r;
        r.target = target;
        r.databaseName = database;
        r.paths = std::move(paths);
        return r;
    }
    std::string database(const std::string& name) const {
        return readFile(base.file(name + ".db"));
    }
    // How many profiles of the database have the emulator's title for loose/Game.rom.
    long titledProfiles(const std::string& name) const {
        const std::vector<Game> profiles = DatabaseStore::readProfiles(base.file(name + ".db"));
        return std::count_if(profiles.begin(), profiles.end(),
                             [](const Game& g) { return g.name == "Known Title"; });
    }
};

TEST_F(CliFillTest, AFillIsTheSameAsTheLaunchersOwn) {
    TempDir reference;
    std::filesystem::copy(base.path(), reference.path(), std::filesystem::copy_options::recursive);

    // Directories relative to the working directory; the base directory named.
    ProgramOutput run =
        fill({"--base-dir", base.path(), "--new", "Fresh", "--name-from", "emulator", "."},
             {.workingDirectory = media.path()});
    FillRequest same = request(FillTarget::New, "Fresh", {media.path()});
    same.naming = FillNaming::Emulator;
    ToolReport report = fillInProcess(reference.path(), same);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(report.message, "Fresh was created. Number of profiles: 5");
    EXPECT_EQ(run.out, report.message + "\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(database("Fresh"), readFile(reference.file("Fresh.db")));
    EXPECT_EQ(titledProfiles("Fresh"), 1);

    // The working directory is the base directory when none is named.
    media.write("loose/New.rom", "new");
    media.write("loose/New.cas", "new tape");
    run = fill({"--existing", "Fresh", "--media", "rom", media.file("loose")});
    FillRequest appended = request(FillTarget::Existing, "Fresh", {media.file("loose")});
    appended.media = {.rom = true, .disk = false, .tape = false, .zip = false};
    report = fillInProcess(reference.path(), appended);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(report.message, "1 new profiles were added to database \"Fresh\"");
    EXPECT_EQ(run.out, report.message + "\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(database("Fresh"), readFile(reference.file("Fresh.db")));
    EXPECT_EQ(database("Fresh_0"), readFile(reference.file("Fresh_0.db")));

    run = fill({"--existing", "Fresh", "--overwrite", "--no-backup", "--no-subdirs",
                "--no-extra-data", "--machine", "Philips", media.file("loose")});
    FillRequest overwritten = request(FillTarget::Existing, "Fresh", {media.file("loose")});
    overwritten.mode = FillMode::Overwrite;
    overwritten.backup = false;
    overwritten.searchSubdirectories = false;
    overwritten.extraData = false;
    overwritten.machine = "Philips";
    report = fillInProcess(reference.path(), overwritten);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(report.message, "Fresh was created. Number of profiles: 3");
    EXPECT_EQ(run.out, report.message + "\n");
    EXPECT_EQ(database("Fresh"), readFile(reference.file("Fresh.db")));
    EXPECT_EQ(filesIn(base.path()), filesIn(reference.path()));
}

TEST_F(CliFillTest, AnotherWriterInTheWayIsToldOnStandardErrorAndChangesNothing) {
    ASSERT_EQ(fill({"--new", "Coll", media.file("loose")}).status, 0);
    const std::string before = database("Coll");
    LockingProcess launcher(base.path());
    std::ostringstream out;
    std::ostringstream err;
    const std::atomic<bool> interrupted = false;
    const CliContext context{.out = out,
                             .err = err,
                             .workingDirectory = base.path(),
                             .interrupted = interrupted,
                             .lockWait = {.timeout = {}, .whenBusy = {}},
                             .xdgDataHome = {},
                             .home = {}};
    for (const Arguments& arguments :
         {Arguments{"fill", "--existing", "Coll", media.path()},
          Arguments{"fill", "--existing", "Coll", "--no-backup", media.path()},
          Arguments{"fill", "--existing", "Coll", "--overwrite", media.path()}}) {
        err.str("");
        EXPECT_EQ(runCommandLine(arguments, context), 1);
        EXPECT_EQ(err.str(), catalogueText(kLanguageEnglish, "M_ERR_BASE_DIR_BUSY") + "\n");
    }
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(database("Coll"), before);
    EXPECT_EQ(filesIn(base.path()), (Arguments{"Coll.db", "settings.ini"}));
}

TEST_F(CliFillTest, AFileSizeLimitFailsTheWriteWithItsMessage) {
    ASSERT_EQ(fill({"--new", "Coll", media.file("loose")}).status, 0);
    const std::string before = database("Coll");
    for (int i = 0; i < 60; ++i)
        media.write("many/Game" + std::to_string(i) + ".rom", std::to_string(i));
    // The new database needs several times the room the limit leaves.
    const ProgramOutput run =
        fill({"--existing", "Coll", "--overwrite", "--no-backup", media.file("many")},
             {.workingDirectory = base.path(),
              .terminalColumns = 0,
              .interruptWaiting = false,
              .fileSizeLimit = 4096});
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, catalogueText(kLanguageEnglish, "M_ERR_FILE_IO") + "\n");
    EXPECT_EQ(database("Coll"), before);
    EXPECT_EQ(filesIn(base.path()), (Arguments{"Coll.db", "settings.ini"}));
}

TEST_F(CliFillTest, RefusalsAreTheLaunchersMessagesInItsLanguage) {
    writeSettings(kLanguageGerman);
    base.write("Db.db", "");
    auto refusedWith = [&](const Arguments& arguments, const std::string& key) {
        const ProgramOutput run = fill(arguments);
        EXPECT_EQ(run.status, 1) << key;
        EXPECT_EQ(run.out, "") << key;
        EXPECT_EQ(run.err, catalogueText(kLanguageGerman, key) + "\n");
    };
    refusedWith({"--existing", "Nope", media.path()}, "M_ERR_NO_DB_SEL");
    EXPECT_NE(catalogueText(kLanguageGerman, "M_ERR_NO_DB_SEL"),
              catalogueText(kLanguageEnglish, "M_ERR_NO_DB_SEL"));
    refusedWith({"--existing", "", media.path()}, "M_ERR_NO_DB_SEL");
    refusedWith({"--new", " Db "}, "M_ERR_DB_NAME_EXIST");
    refusedWith({"--new", "  "}, "M_ERR_NO_NEW_DB_ENTERED");
    refusedWith({"--new", "a/b"}, "M_INVALID_NAME");
    refusedWith({"--new", "Coll.db"}, "M_INVALID_NAME");
    refusedWith({"--new", std::string(250, 'n')}, "M_INVALID_NAME");
    refusedWith({"--new", "Fine", "--machine", "MSX|2"}, "M_INVALID_NAME");
    refusedWith({"--existing", "Db", media.path(), media.path() + "/./"}, "M_ERR_DIR_EXIST");
    EXPECT_EQ(filesIn(base.path()), (Arguments{"Db.db", "settings.ini"}));

    const ProgramOutput run = fill({"--new", "Neu"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Neu" + catalogueText(kLanguageGerman, "M_CREATED_DB") + "0\n");
    EXPECT_EQ(database("Neu"), "");
}

TEST_F(CliFillTest, OwedMessagesGoToStandardErrorOneLineEach) {
    // An emulator without software databases: the user hears that no titles can be found.
    std::filesystem::remove(emulator.path() + "/Databases/soft.xml");
    std::filesystem::create_symlink(media.file("gone.rom"), media.file("dangling.rom"));
    const ProgramOutput run = fill({"--new", "Db", "--name-from", "emulator", media.path()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Db was created. Number of profiles: 5\n");
    EXPECT_EQ(run.err, catalogueText(kLanguageEnglish, "M_ERR_NO_CORVANE_DB") + "\n" +
                           catalogueText(kLanguageEnglish, "M_FILL_NOT_READ") + "1\n");
    // Without the emulator's titles the names are the files'.
    EXPECT_EQ(titledProfiles("Db"), 0);
}

TEST_F(CliFillTest, HelpVersionAndUsageErrors) {
    for (const Arguments& arguments : {Arguments{}, Arguments{"--help"}}) {
        const ProgramOutput run = cli(arguments);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out.rfind("Usage: corvane-cli COMMAND", 0), 0u) << run.out;
        EXPECT_NE(run.out.find("fill"), std::string::npos);
        EXPECT_EQ(run.err, "");
    }
    ProgramOutput run = fill({"--existing", "Db", "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, fillHelp());
    EXPECT_EQ(run.err, "");

    run = cli({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, std::string("corvane-cli ") + CORVANE_VERSION + "\n");

    for (const Arguments& arguments :
         {Arguments{"fill", "--existing", "Db"}, Arguments{"fill", "--new", "A", "--frobnicate"},
          Arguments{"fill", "--new", "A", "--media", ""}, Arguments{"fill"}}) {
        run = cli(arguments);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(arguments);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("corvane-cli fill: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(fillSynopsis()), std::string::npos);
    }
    for (const char* command : {"frobnicate", "--frobnicate"}) {
        run = cli({command});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(std::string("'") + command + "'"), std::string::npos);
    }
    // Nothing was touched.
    EXPECT_EQ(filesIn(base.path()), Arguments{"settings.ini"});
}

TEST_F(CliFillTest, UserDataIsTheDesktopLaunchersFolderAndAMissingBaseDirIsNamed) {
    TempDir home;
    {
        const ScopedVariable data("XDG_DATA_HOME", home.file("xdg"));
        const ProgramOutput run = fill({"--user-data", "--new", "Mine", media.file("loose")});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(std::filesystem::exists(home.file("xdg/corvane-launcher/Mine.db")));
    }
    {
        // An empty XDG_DATA_HOME counts as unset.
        const ScopedVariable data("XDG_DATA_HOME", "");
        const ScopedVariable user("HOME", home.file("user"));
        const ProgramOutput run = fill({"--new", "Mine", "--user-data", media.file("loose")});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(
            std::filesystem::exists(home.file("user/.local/share/corvane-launcher/Mine.db")));
    }

    ProgramOutput run = fill({"--base-dir", "no/such", "--new", "Mine", media.path()});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("corvane-cli fill: " + base.file("no/such") + ": no such folder\n", 0),
              0u)
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(base.file("no")));

    run = fill({"--base-dir", base.path(), "--user-data", "--new", "Mine"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--base-dir and --user-data"), std::string::npos) << run.err;
    EXPECT_EQ(filesIn(base.path()), Arguments{"settings.ini"});
}

TEST_F(CliFillTest, MachinesAreTheEmulatorsWhenItHasAny) {
    emulator.addMachine("Real MSX", "[Slots]\n");
    ProgramOutput run = fill({"--new", "Db", "--machine", "Fake MSX", media.path()});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("'Fake MSX'"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("  Real MSX\n"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(base.file("Db.db")));

    run = fill({"--new", "Db", "--machine", "Real MSX", media.file("loose")});
    EXPECT_EQ(run.status, 0);
    for (const Game& profile : DatabaseStore::readProfiles(base.file("Db.db")))
        EXPECT_EQ(profile.machine, "Real MSX");
}

TEST_F(CliFillTest, WithoutANamedMachineTheDialogsChoiceIsTaken) {
    auto machinesOf = [&](const std::string& name) {
        std::set<std::string> machines;
        for (const Game& profile : DatabaseStore::readProfiles(base.file(name + ".db")))
            machines.insert(profile.machine);
        return machines;
    };
    // No "MSX2 - C-BIOS": the first machine listed, as the dialog preselects it.
    emulator.addMachine("Sony HB-F1XD", "[Slots]\n");
    emulator.addMachine("Philips NMS 8245", "[Slots]\n");
    ProgramOutput run = fill({"--new", "First", media.file("loose")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(machinesOf("First"), std::set<std::string>{"Philips NMS 8245"});
    // What it writes is accepted when typed.
    run = fill({"--new", "Typed", "--machine", "Philips NMS 8245", media.file("loose")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readFile(base.file("Typed.db")), readFile(base.file("First.db")));

    // The usual machine wins wherever it stands in the list.
    emulator.addMachine("MSX2 - C-BIOS", "[Slots]\n");
    run = fill({"--new", "Usual", media.file("loose")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(machinesOf("Usual"), std::set<std::string>{"MSX2 - C-BIOS"});
}

TEST_F(CliFillTest, ProgressOnlyOnATerminalAndWithinItsWidth) {
    // 200 columns hold the whole line; 20 force every line to be cut.
    for (const int columns : {200, 20}) {
        const std::string name = "Db" + std::to_string(columns);
        const ProgramOutput run =
            fill({"--new", name, media.path()},
                 {.workingDirectory = base.path(), .terminalColumns = columns});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, name + " was created. Number of profiles: 5\n");
        // Nothing but the one rewritten line, cleared at the end.
        ASSERT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.find('\n'), std::string::npos);
        EXPECT_EQ(run.err.back(), '\r');
        std::vector<std::string> shown;
        for (size_t begin = 1, end; begin < run.err.size(); begin = end + 1) {
            end = run.err.find('\r', begin);
            shown.push_back(run.err.substr(begin, end - begin));
        }
        for (const std::string& line : shown)
            EXPECT_LT(line.size(), static_cast<size_t>(columns)) << line;
        if (columns == 200)
            EXPECT_EQ(shown.front(), "Scanning... " + media.path());
        else
            EXPECT_EQ(shown.front(), "..." + media.path().substr(media.path().size() - 16));
    }
}

TEST_F(CliFillTest, CtrlCStopsTheRunAndLeavesTheDatabasesAsTheyWere) {
    Game old;
    old.name = "Old";
    old.slot1File = media.file("loose/Game.rom");
    const std::string before = old.ToLine() + "\r\n";
    base.write("Db.db", before);
    for (const Arguments& arguments :
         {Arguments{"--existing", "Db", "--no-backup", media.path()},
          Arguments{"--existing", "Db", "--overwrite", "--no-backup", media.path()},
          Arguments{"--new", "Never", media.path()}}) {
        const ProgramOutput run =
            fill(arguments, {.workingDirectory = base.path(), .interruptWaiting = true});
        // Ended by itself, not by the signal.
        EXPECT_EQ(run.signal, 0);
        EXPECT_EQ(run.status, 130) << ::testing::PrintToString(arguments);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(database("Db"), before);
        EXPECT_EQ(filesIn(base.path()), (Arguments{"Db.db", "settings.ini"}));
    }
    // Not stopped, the same run changes the database.
    const ProgramOutput run = fill({"--existing", "Db", "--no-backup", media.path()});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(database("Db"), before);
}

}  // namespace
