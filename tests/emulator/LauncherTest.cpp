// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/Launcher.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "emulator/EmulatorHandler.h"
#include "platform/CommandLine.h"
#include "support/FakeEmulator.h"
#include "support/RecordingShell.h"
#include "support/RecordingStarter.h"
#include "support/ScopedVariable.h"
#include "support/ScopedWorkingDirectory.h"
#include "support/ScriptedPrompter.h"

using namespace corvane;
using namespace corvane::test;
using Strings = std::vector<std::string>;

namespace {

class LauncherTest : public ::testing::Test {
protected:
    LauncherTest() {
        settings.emulatorDirectory = emulator.path();
        settings.theme = "default";
        settings.openMsxDirectory = "/usr/games";
        settings.fmsxDirectory = "/opt/fmsx";
        profile.slot1File = "games/Knight.zip";
        profile.slot1ZipEntry = "knight.rom";
        profile.machine = "Sony HB-F1XD";
    }

    Strings shownErrors() const {
        Strings texts;
        for (const auto& m : prompter.messages) {
            EXPECT_EQ(m.kind, MessageKind::Error);
            texts.push_back(m.text);
        }
        return texts;
    }

    FakeEmulator emulator;
    Settings settings;
    RecordingStarter starter;
    RecordingShell shell;
    ScriptedPrompter prompter;
    KeyTextSource texts;
    TempDir base;
    Launcher launcher{base.path(), settings, starter, shell, prompter, texts};
    Game profile;
};

}  // namespace

TEST_F(LauncherTest, EntryPointsChooseEmulatorAndMachine) {
    const std::vector<std::tuple<LaunchCommand, std::string, std::string>> cases = {
        {LaunchCommand::SavedSettings, emulator.executable(), "Sony HB-F1XD"},
        {LaunchCommand::GenericMSX, emulator.executable(), "MSX"},
        {LaunchCommand::GenericMSX2, emulator.executable(), "MSX2"},
        {LaunchCommand::GenericMSX2Plus, emulator.executable(), "MSX2+"},
        {LaunchCommand::GenericTurboR, emulator.executable(), "MSXturboR"},
        {LaunchCommand::OpenMSX, "/usr/games/openmsx", "-carta"},
        {LaunchCommand::FMSX, "/opt/fmsx/fmsx", "games/Knight.zip"},
    };
    for (const auto& [command, program, last] : cases) {
        EXPECT_TRUE(launcher.launch(&profile, command));
        EXPECT_EQ(starter.started.back().program, program);
        const Strings& args = starter.started.back().arguments;
        EXPECT_TRUE(args.back() == last || args.front() == last) << last;
        // The whole vector is the split of the string built for that emulator and machine.
        const LaunchTarget target = Launcher::launchTarget(command);
        const EmulatorArguments built =
            target.emulator == EmulatorKind::OpenMSX
                ? EmulatorHandler::openMsxArguments(profile, settings)
            : target.emulator == EmulatorKind::FMSX
                ? EmulatorHandler::fmsxArguments(profile, settings)
                : EmulatorHandler::corvaneArguments(profile, settings, target.machine);
        EXPECT_EQ(args, built.arguments()) << last;
    }
    EXPECT_EQ(starter.started[2].arguments,
              (Strings{"/rom1", "games/Knight.zip", "/rom1zip", "knight.rom", "/fullscreen",
                       "/machine", "MSX2"}));
    EXPECT_TRUE(launcher.launch(nullptr, LaunchCommand::SavedSettings));
    EXPECT_EQ(starter.started.size(), cases.size());
    EXPECT_TRUE(prompter.messages.empty());

    starter.startResult = false;
    EXPECT_FALSE(launcher.launch(&profile, LaunchCommand::FMSX));
    EXPECT_EQ(shownErrors(), Strings{"M_ERR_START_EMUL"});
}

TEST_F(LauncherTest, AnEmptyFolderIsNeverStartedARelativeOneIsInTheBaseDirectory) {
    const std::vector<LaunchCommand> commands = {LaunchCommand::SavedSettings,
                                                 LaunchCommand::OpenMSX, LaunchCommand::FMSX};
    settings.emulatorDirectory = settings.openMsxDirectory = settings.fmsxDirectory = "";
    for (LaunchCommand command : commands)
        EXPECT_FALSE(launcher.launch(&profile, command));
    EXPECT_TRUE(starter.started.empty());
    EXPECT_EQ(shownErrors(), Strings(3, "M_ERR_START_EMUL"));

    Strings expected;
    for (const std::string folder : {"corvane", "./corvane", "../corvane"}) {
        settings.emulatorDirectory = settings.openMsxDirectory = settings.fmsxDirectory = folder;
        for (LaunchCommand command : commands)
            EXPECT_TRUE(launcher.launch(&profile, command)) << folder;
        for (const char* program : {"/Corvane", "/openmsx", "/fmsx"})
            expected.push_back(base.path() + "/" + folder + program);
    }
    Strings started;
    for (const auto& call : starter.started)
        started.push_back(call.program);
    EXPECT_EQ(started, expected);
    EXPECT_EQ(prompter.messages.size(), 3u);
}

TEST_F(LauncherTest, CommandLineConfirmation) {
    Strings shown;
    bool answer = false;
    const Launcher::ConfirmCommandLine confirm = [&](const std::string& line) {
        shown.push_back(line);
        return answer;
    };
    // Cancel is no error.
    EXPECT_TRUE(launcher.launch(&profile, LaunchCommand::GenericMSX2, confirm));
    EXPECT_TRUE(starter.started.empty());
    answer = true;
    EXPECT_TRUE(launcher.launch(&profile, LaunchCommand::GenericMSX2, confirm));
    ASSERT_EQ(shown.size(), 2u);
    // The preview belongs to the launch it was given to: the next one shows none.
    EXPECT_TRUE(launcher.launch(&profile, LaunchCommand::GenericMSX2));
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(starter.started.size(), 2u);
    EXPECT_EQ(shown[1], "\"" + emulator.executable() + "\"" +
                            EmulatorHandler::corvaneArguments(profile, settings, "MSX2").text());
    Strings started{starter.started.at(0).program};
    started.insert(started.end(), starter.started.at(0).arguments.begin(),
                   starter.started.at(0).arguments.end());
    EXPECT_EQ(started, splitCommandLine(shown[1]));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(LauncherTest, AnEmulatorThatFailsInItsFirstSecondsIsReported) {
    EXPECT_TRUE(launcher.launch(&profile, LaunchCommand::OpenMSX));
    EXPECT_TRUE(launcher.launch(&profile, LaunchCommand::SavedSettings));
    EXPECT_TRUE(launcher.launch(&profile, LaunchCommand::FMSX));
    ASSERT_EQ(starter.watches.size(), 3u);
    EXPECT_TRUE(prompter.messages.empty());  // a start says nothing until its watch is over
    starter.endWatch(ProcessStarter::EarlyExit{
        1, "error: Could not open sequencer\nFatal error: No disk drive A present"});
    starter.endWatch(std::nullopt);  // still running, or ended well
    starter.endWatch(ProcessStarter::EarlyExit{139, ""});
    EXPECT_EQ(shownErrors(), (Strings{"openmsxM_ERR_EMUL_QUIT1\n\nerror: Could not open sequencer\n"
                                      "Fatal error: No disk drive A present",
                                      "fmsxM_ERR_EMUL_QUIT139"}));
}

TEST_F(LauncherTest, PathChecksAndAddProfile) {
    EXPECT_TRUE(launcher.isEmulatorPathValid(true));
    EXPECT_TRUE(launcher.canAddProfile(true));
    EXPECT_FALSE(launcher.canAddProfile(false));
    emulator.removeDatabasesDirectory();
    EXPECT_FALSE(launcher.isEmulatorPathValid(true));
    EXPECT_TRUE(launcher.canAddProfile(true));  // needs no Databases folder
    for (const std::string& dir : {emulator.path() + "/Machines", std::string()}) {
        settings.emulatorDirectory = dir;
        EXPECT_FALSE(launcher.isEmulatorPathValid(false));
    }
    EXPECT_FALSE(launcher.canAddProfile(true));
    EXPECT_EQ(shownErrors(), (Strings{"M_ERR_NO_DB_SEL", "M_ERR_EMUL_PATH_INVALID"}));
}

TEST_F(LauncherTest, AnotherEmulatorIsEnoughToBuildACollection) {
    emulator.removeDatabasesDirectory();
    EXPECT_TRUE(launcher.isAnyEmulatorConfigured(false));
    EXPECT_FALSE(launcher.isAnyEmulatorConfigured(true));  // the primary one lacks its databases
    settings.emulatorDirectory.clear();
    // A folder is not enough: the program must be in it.
    settings.fmsxDirectory = emulator.path() + "/fmsx";
    EXPECT_FALSE(launcher.isAnyEmulatorConfigured(false));
    EXPECT_FALSE(launcher.canEditProfile());
    emulator.addProgram("fmsx/fmsx");
    EXPECT_TRUE(launcher.isAnyEmulatorConfigured(true));
    EXPECT_TRUE(launcher.canEditProfile());
    EXPECT_TRUE(launcher.canAddProfile(true));
    EXPECT_EQ(shownErrors(), Strings{"M_ERR_EMUL_PATH_INVALID"});
}

TEST_F(LauncherTest, InfoFileAndExplore) {
    profile.infoFile = "/docs/Knightmare manual.txt";
    settings.useDefaultViewer = true;
    launcher.showInfoFile(&profile);
    EXPECT_EQ(shell.opened, Strings{profile.infoFile});
    settings.useDefaultViewer = false;
    settings.viewerPath = "/usr/bin/viewer";
    launcher.showInfoFile(&profile);
    EXPECT_EQ(starter.started.at(0).program, "/usr/bin/viewer");
    EXPECT_EQ(starter.started.at(0).arguments,
              Strings{profile.infoFile});  // blanks kept, one argument
    EXPECT_TRUE(prompter.messages.empty());
    starter.startResult = false;
    launcher.showInfoFile(&profile);
    EXPECT_EQ(shownErrors(), Strings{"M_ERR_START_VIEWER"});

    profile.slot1File.clear();
    profile.diskAFile = "disks/a b.dsk";
    launcher.exploreProfile(&profile);
    EXPECT_EQ(shell.revealed, Strings{"disks/a b.dsk"});
    shell.result = false;
    launcher.exploreFile("");
    profile.infoFile.clear();
    launcher.showInfoFile(&profile);
    launcher.showInfoFile(nullptr);
    launcher.exploreProfile(nullptr);
    EXPECT_EQ(shell.revealed.size(), 2u);
    EXPECT_EQ(shownErrors(), (Strings{"M_ERR_START_VIEWER", "M_ERR_START_EXPOLRER"}));
}

TEST_F(LauncherTest, TheDesktopsLateAnswersDecideTheMessages) {
    shell.deferred = true;
    profile.infoFile = "https://example.org/manual";
    settings.useDefaultViewer = true;
    launcher.showInfoFile(&profile);
    launcher.exploreFile("/msx/game.rom");
    launcher.showInfoFile(&profile);
    launcher.openLink("https://example.org/page");
    launcher.openLink("https://example.org/other");
    EXPECT_TRUE(prompter.messages.empty());  // nothing is known before the helpers end
    shell.answer(false);
    shell.answer(false);
    shell.answer(true);
    shell.answer(true);
    shell.answer(false);
    EXPECT_EQ(shownErrors(),
              (Strings{"M_ERR_START_VIEWER", "M_ERR_START_EXPOLRER", "M_ERR_START_VIEWER"}));
    EXPECT_EQ(shell.opened, (Strings{profile.infoFile, profile.infoFile, "https://example.org/page",
                                     "https://example.org/other"}));
}

TEST_F(LauncherTest, AViewerWithoutFolderIsASystemProgram) {
    TempDir tools;
    const std::string systemViewer = writeScript(tools, "viewer", "exit 0\n");
    TempDir work;
    writeScript(work, "viewer", "exit 0\n");
    writeScript(work, "bin/viewer", "exit 0\n");
    const ScopedWorkingDirectory cwd(work.path());
    // The empty and relative entries would find the copy in the working directory.
    const ScopedVariable path("PATH", ":.:bin:" + tools.path());
    profile.infoFile = "manual.txt";
    settings.useDefaultViewer = false;
    const std::vector<std::pair<std::string, bool>> viewers = {
        {"viewer", true}, {"bin/viewer", true}, {"missing", false}, {"", false}};
    for (const auto& [viewer, found] : viewers) {
        settings.viewerPath = viewer;
        const size_t before = prompter.messages.size();
        launcher.showInfoFile(&profile);
        EXPECT_EQ(prompter.messages.size() == before, found) << viewer;
    }
    ASSERT_EQ(starter.started.size(), 2u);
    EXPECT_EQ(starter.started[0].program, systemViewer);
    // A relative path still names the file under the working directory.
    EXPECT_EQ(starter.started[1].program,
              (std::filesystem::current_path() / "bin/viewer").string());
    EXPECT_EQ(starter.started[1].arguments, Strings{"manual.txt"});
    EXPECT_EQ(shownErrors(), (Strings{"M_ERR_START_VIEWER", "M_ERR_START_VIEWER"}));
}

TEST_F(LauncherTest, ScreenshotFiles) {
    settings.screenshotCount = 2;
    const std::string shots = emulator.path() + "/Screenshots/";
    ScreenshotFiles files = launcher.screenshotFiles(profile);
    EXPECT_EQ(files.image1, shots + "knight_0000.PNG");
    EXPECT_EQ(files.image2, shots + "knight_0001.PNG");
    Game plain;
    plain.slot1File = "games\\Knight.rom";
    settings.imageType = "GIF";
    settings.screenshotCount = 1;
    files = launcher.screenshotFiles(plain);
    EXPECT_EQ(files.image1, shots + "Knight_0000.GIF");
    EXPECT_EQ(files.image2, "");
    // Own pictures never fall back to the emulator's.
    plain.image1 = "/pics/one.png";
    settings.screenshotCount = 2;
    EXPECT_EQ(launcher.screenshotFiles(plain).image1, "/pics/one.png");
    EXPECT_EQ(launcher.screenshotFiles(plain).image2, "");
}

TEST_F(LauncherTest, ScreenshotsAreFoundWhateverTheLetterCase) {
    settings.screenshotCount = 2;
    const std::string shots = emulator.path() + "/Screenshots/";
    emulator.write("Screenshots/Knight_0000.png", "picture");
    emulator.write("Screenshots/KNIGHT_0001.Png", "picture");
    emulator.write("Screenshots/Knight_0001.png", "picture");
    ScreenshotFiles files = launcher.screenshotFiles(profile);
    EXPECT_EQ(files.image1, shots + "Knight_0000.png");
    EXPECT_EQ(files.image2, shots + "KNIGHT_0001.Png");  // byte order decides between two
    // The exact name wins; a missing picture keeps the name looked for.
    emulator.write("Screenshots/knight_0000.PNG", "picture");
    settings.imageType = "GIF";
    files = launcher.screenshotFiles(profile);
    EXPECT_EQ(files.image1, shots + "knight_0000.GIF");
    settings.imageType = "PNG";
    EXPECT_EQ(launcher.screenshotFiles(profile).image1, shots + "knight_0000.PNG");
}
