// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>

#include "common/Path.h"
#include "emulator/EmulatorHandler.h"
#include "platform/CommandLine.h"
#include "platform/posix/PosixProcessStarter.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {

// The emulator inherits these; the test process gets its own values back afterwards.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* old = ::getenv(name))
            old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

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
    // After one emulated second openMSX writes what it runs, then quits.
    const std::string marker = dir.file("marker");
    Settings settings;
    settings.openMsxArguments = "-machine C-BIOS_MSX2 -command \"after time 1 {set f [open " +
                                marker +
                                " w]; puts $f [machine_info config_name]; puts $f [carta];"
                                " close $f; exit}\"";
    const std::string line = EmulatorHandler::openMsxArguments(profile, settings);
    EXPECT_EQ(
        PosixProcessStarter().run(executable, splitCommandLine(line), std::chrono::seconds(60)), 0);
    EXPECT_EQ(readFile(marker), "C-BIOS_MSX2\ncarta: {" + profile.slot1File + "}\n");
}
