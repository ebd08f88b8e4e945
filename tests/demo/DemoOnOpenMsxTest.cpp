// SPDX-License-Identifier: GPL-3.0-or-later
// The demo on the real openMSX with C-BIOS: its profiles started as the launcher starts them, the
// screen read back from video memory; its disk images read by openMSX's disk manipulator.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>

#include "demo/DemoFixture.h"
#include "emulator/EmulatorHandler.h"
#include "generator/MsxFiles.h"
#include "model/Settings.h"
#include "platform/ExecutableName.h"
#include "platform/posix/PosixProcessStarter.h"
#include "support/ScopedVariable.h"
#include "support/ScopedWorkingDirectory.h"

using namespace corvane;
using namespace corvane::test;

namespace {

namespace fs = std::filesystem;

// Runs the machine at full speed until the greeting shows (at most a minute of emulated time),
// then one emulated second more, and writes the 40-column text screen to the output file.
constexpr const char* kReadScreen = R"tcl(
set throttle off
proc screen_text {} {
    set text ""
    for {set row 0} {$row < 24} {incr row} {
        for {set column 0} {$column < 40} {incr column} {
            set c [vpeek [expr {$row * 40 + $column}]]
            if {$c >= 32 && $c < 127} { append text [format %c $c] } else { append text " " }
        }
        append text "\n"
    }
    return $text
}
proc dump {} {
    set f [open $::output w]
    puts -nonewline $f [screen_text]
    puts $f "tape: [lindex [cassetteplayer] 1]"
    close $f
    exit
}
proc poll {tries} {
    if {[string first "Hello from" [screen_text]] >= 0 || $tries == 0} {
        after time 1 dump
    } else {
        after time 1 [list poll [expr {$tries - 1}]]
    }
}
after time 1 {poll 60}
)tcl";

class DemoOnOpenMsx : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fileExists("/usr/bin/openmsx"))
            GTEST_SKIP() << "openMSX is not installed";
        demoDir = generateDemo(dir);
        profiles = demoProfiles(demoDir);
    }

    // Starts openMSX with exactly the arguments the launcher gives it for the profile, plus a
    // script, from the base directory; the status it exited with.
    std::optional<int> run(const std::string& profileName, const std::string& script) {
        const Game* profile = profileNamed(profiles, profileName);
        EXPECT_NE(profile, nullptr) << profileName;
        if (!profile)
            return std::nullopt;
        const ScopedWorkingDirectory inDemo(demoDir);
        const ScopedVariable home("HOME", dir.path());  // openMSX keeps its settings there
        const ScopedVariable video("SDL_VIDEODRIVER", "dummy");
        const ScopedVariable audio("SDL_AUDIODRIVER", "dummy");
        Settings settings = loadSettings(".");
        const std::string scriptFile = dir.write("script.tcl", script);
        settings.openMsxArguments += " -script " + scriptFile;
        const std::string program =
            joinPath(settings.openMsxDirectory, executableFileName("openmsx"));
        return PosixProcessStarter::run(
            program, EmulatorHandler::openMsxArguments(*profile, settings).arguments(),
            std::chrono::minutes(2));
    }

    std::string screenOf(const std::string& profileName) {
        const std::string output = dir.file("screen.txt");
        fs::remove(output);
        EXPECT_EQ(run(profileName, "set output " + output + "\n" + kReadScreen), 0);
        return readFile(output);
    }

    TempDir dir;
    std::string demoDir;
    std::vector<Game> profiles;
};

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

TEST_F(DemoOnOpenMsx, TheCartridgeGreetsWithItsProfileNameAndTellsWhatIsInSlot2) {
    const std::string greeting = demo::DemoGenerator::kGreeting;
    const std::pair<const char*, const char*> expected[] = {
        {"Hello MSX", "Slot 2: empty"},
        {"Hello from a ZIP", "Slot 2: empty"},
        {"Two Cartridges", "Slot 2: the companion cartridge answers"},
        {"SCC in Slot 2", "Slot 2: SCC sound cartridge"},
    };
    for (const auto& [name, slot2] : expected) {
        const std::string screen = screenOf(name);
        EXPECT_TRUE(contains(screen, greeting)) << name << ":\n" << screen;
        EXPECT_TRUE(contains(screen, std::string("Profile: ") + name)) << screen;
        EXPECT_TRUE(contains(screen, slot2)) << screen;
        EXPECT_TRUE(contains(screen, "tape: \n")) << screen;
    }
}

TEST_F(DemoOnOpenMsx, TheTapeProfileStartsWithItsTapeInThePlayer) {
    const std::string screen = screenOf("Demo Tape");
    EXPECT_TRUE(contains(screen, demo::DemoGenerator::kGreeting)) << screen;
    EXPECT_TRUE(contains(screen, "Profile: Demo Tape")) << screen;
    // The greeter sits in slot 2 itself and says nothing about it.
    EXPECT_FALSE(contains(screen, "Slot 2")) << screen;
    EXPECT_TRUE(contains(screen, "tape: " + joinPath(demoDir, "media/demo-tape.cas") + "\n"))
        << screen;
}

TEST_F(DemoOnOpenMsx, TheDiskImagesHoldTheirFilesForOpenMsx) {
    const Game* disk = profileNamed(profiles, "Demo Disk");
    const Game* hardDisk = profileNamed(profiles, "Demo Hard Disk");
    ASSERT_TRUE(disk && hardDisk);
    const std::string diskFiles = dir.file("disk-files");
    const std::string hardDiskFiles = dir.file("hard-disk-files");
    fs::create_directory(diskFiles);
    fs::create_directory(hardDiskFiles);
    EXPECT_EQ(run("Hello MSX",
                  "virtual_drive " + disk->diskAFile + "\ndiskmanipulator export virtual_drive " +
                      diskFiles + "\nvirtual_drive " + hardDisk->hardDiskPrimary +
                      "\ndiskmanipulator export virtual_drive " + hardDiskFiles + "\nexit\n"),
              0);

    // openMSX writes the names in lower case.
    auto exported = [](const std::string& folder) {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(folder)) {
            std::string name = entry.path().filename().string();
            std::transform(name.begin(), name.end(), name.begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
            files[name] = readFile(entry.path().string());
        }
        return files;
    };
    const std::optional<demo::DemoPrograms> programs =
        demo::DemoPrograms::load(CORVANE_DEMO_PROGRAMS);
    ASSERT_TRUE(programs);
    EXPECT_EQ(exported(diskFiles),
              (std::map<std::string, std::string>{
                  {"AUTOEXEC.BAS", "10 BLOAD\"HELLO.BIN\",R\r\n\x1A"},
                  {"HELLO.BIN", *demo::diskBinaryFile(0xC000, programs->greeting)}}));
    const auto onHardDisk = exported(hardDiskFiles);
    ASSERT_EQ(onHardDisk.size(), 1u);
    EXPECT_TRUE(contains(onHardDisk.begin()->second, "does not boot"));
    EXPECT_EQ(onHardDisk.begin()->first, "README.TXT");
}
