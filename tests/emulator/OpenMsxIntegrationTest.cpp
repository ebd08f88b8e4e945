// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "common/Path.h"
#include "emulator/EmulatorHandler.h"
#include "emulator/Launcher.h"
#include "platform/posix/PosixProcessStarter.h"
#include "support/RecordingShell.h"
#include "support/ScopedVariable.h"
#include "support/ScriptedPrompter.h"
#include "support/TaskQueue.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {

// Starts as the launcher does, but waits for the program so its effects can be checked.
class WaitingStarter : public PosixProcessStarter {
public:
    bool startWatched(const std::string& program, const std::vector<std::string>& arguments,
                      std::chrono::milliseconds, WatchHandler) override {
        status = run(program, arguments, std::chrono::seconds(60));
        return status.has_value();
    }
    std::optional<int> status;
};

// After one emulated second openMSX writes its machine and cartridge to the marker, then quits.
std::string reportAndQuit(const std::string& marker) {
    return "-machine C-BIOS_MSX2 -command \"after time 1 {set f [open " + marker +
           " w]; puts $f [machine_info config_name]; puts $f [carta]; close $f; exit}\"";
}

}  // namespace

TEST(OpenMsxIntegration, RunsAProfileHeadlessAndExitsCleanly) {
    const std::string executable = "/usr/bin/openmsx";
    if (!fileExists(executable))
        GTEST_SKIP() << "openMSX is not installed";
    TempDir dir;
    const ScopedVariable home("HOME", dir.path());  // openMSX keeps its settings there
    const ScopedVariable video("SDL_VIDEODRIVER", "dummy");
    const ScopedVariable audio("SDL_AUDIODRIVER", "dummy");

    Game profile;
    profile.slot1File = dir.write("my games/test.rom", "AB" + std::string(16382, '\0'));
    const std::string marker = dir.file("marker");
    Settings settings;
    settings.openMsxArguments = reportAndQuit(marker);
    const EmulatorArguments arguments = EmulatorHandler::openMsxArguments(profile, settings);
    EXPECT_EQ(PosixProcessStarter::run(executable, arguments.arguments(), std::chrono::seconds(60)),
              0);
    EXPECT_EQ(readFile(marker), "C-BIOS_MSX2\ncarta: {" + profile.slot1File + "}\n");
}

TEST(OpenMsxIntegration, AQuoteInAFileNameInjectsNoOption) {
    const std::string executable = "/usr/bin/openmsx";
    if (!fileExists(executable))
        GTEST_SKIP() << "openMSX is not installed";
    TempDir dir;
    const ScopedVariable home("HOME", dir.path());
    const ScopedVariable video("SDL_VIDEODRIVER", "dummy");
    const ScopedVariable audio("SDL_AUDIODRIVER", "dummy");

    // A real cartridge image whose name closes the quotes and adds a Tcl command; the image
    // the first part would name exists too.
    const std::string victim = dir.file("PWNED");
    const std::string rom = "AB" + std::string(16382, '\0');
    dir.write("x.rom", rom);
    Game profile;
    profile.slot1File = dir.write("x.rom\" -command \"exec touch " + victim + "; exit", rom);
    Settings settings;
    settings.openMsxDirectory = "/usr/bin";
    const std::string marker = dir.file("marker");
    settings.openMsxArguments = reportAndQuit(marker);
    WaitingStarter starter;
    RecordingShell shell;
    ScriptedPrompter prompter;
    KeyTextSource texts;
    Launcher launcher(dir.path(), settings, starter, shell, prompter, texts);
    EXPECT_TRUE(launcher.launch(&profile, LaunchCommand::OpenMSX));
    EXPECT_EQ(starter.status, std::optional<int>(0));
    EXPECT_FALSE(fileExists(victim));
    EXPECT_EQ(readFile(marker), "C-BIOS_MSX2\ncarta: {" + profile.slot1File + "}\n");
}

TEST(OpenMsxIntegration, ADiskOnAMachineWithoutADriveIsReported) {
    if (!fileExists("/usr/bin/openmsx"))
        GTEST_SKIP() << "openMSX is not installed";
    TempDir dir;
    const ScopedVariable home("HOME", dir.path());
    const ScopedVariable video("SDL_VIDEODRIVER", "dummy");
    const ScopedVariable audio("SDL_AUDIODRIVER", "dummy");

    Game profile;
    profile.diskAFile = dir.write("game.dsk", std::string(737280, '\0'));
    Settings settings;
    settings.openMsxDirectory = "/usr/bin";
    settings.openMsxArguments = "-machine C-BIOS_MSX1";  // C-BIOS has no disk drive
    PosixProcessStarter starter;
    TaskQueue window;
    starter.setReportPost(window.post());
    RecordingShell shell;
    ScriptedPrompter prompter;
    KeyTextSource texts;
    Launcher launcher(dir.path(), settings, starter, shell, prompter, texts);
    ASSERT_TRUE(launcher.launch(&profile, LaunchCommand::OpenMSX));
    const std::function<void()> report = window.next();
    ASSERT_TRUE(report);
    report();
    ASSERT_EQ(prompter.messages.size(), 1u);
    const std::string& text = prompter.messages[0].text;
    EXPECT_TRUE(text.starts_with("openmsxM_ERR_EMUL_QUIT1\n\n")) << text;
    EXPECT_NE(text.find("No disk drive A present"), std::string::npos) << text;
}
