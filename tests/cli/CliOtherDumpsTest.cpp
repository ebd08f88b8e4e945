// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/OtherDumpsArguments.h"
#include "media/MediaHash.h"
#include "model/Game.h"
#include "model/Settings.h"
#include "support/FakeEmulator.h"
#include "support/ProgramRun.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {

std::string profileLine(const std::string& name, const std::string& rom) {
    Game game;
    game.name = name;
    game.slot1File = rom;
    return game.ToLine() + "\r\n";
}

class CliOtherDumpsTest : public ::testing::Test {
protected:
    TempDir base;
    FakeEmulator emulator;
    std::string first = base.write("media/first.rom", "first dump");
    std::string second = base.write("media/second.rom", "second dump");

    void SetUp() override {
        emulator.addDatabase("soft.xml",
                             "<db><software><title>Game</title><dump><rom><hash "
                             "algo=\"sha1\">" +
                                 MediumSha1(first, "") +
                                 "</hash></rom></dump><dump><rom><hash algo=\"sha1\">" +
                                 MediumSha1(second, "") + "</hash></rom></dump></software></db>");
        Settings settings;
        settings.emulatorDirectory = emulator.path();
        ASSERT_TRUE(saveSettings(base.path(), settings));
        base.write("A.db", profileLine("Game", first) + profileLine("Game", first) +
                               profileLine("No medium", ""));
        base.write("B.db", profileLine("Game", second) + profileLine("Copy", first));
    }
    ProgramOutput otherDumps(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"other-dumps", "--base-dir", base.path()});
        return runProgram(CORVANE_CLI_EXE, arguments, {.workingDirectory = base.path()});
    }
};

}  // namespace

TEST_F(CliOtherDumpsTest, PrintsTheKnownDumpsThenEveryOtherProfileHoldingOne) {
    ProgramOutput out = otherDumps({"--database", "A", "Game"});
    EXPECT_EQ(out.status, 0);
    // The same name in its own database is the profile itself.
    EXPECT_EQ(out.out, "2\nGame|B\nCopy|B\n");
    EXPECT_EQ(out.err, "");
}

TEST_F(CliOtherDumpsTest, AProfileThatCannotBeSearchedFromFailsWithItsMessage) {
    ProgramOutput out = otherDumps({"--database", "A", "No medium"});
    EXPECT_EQ(out.status, 1);
    EXPECT_EQ(out.out, "0\n");
    EXPECT_EQ(out.err, "Invalid profile\n");
    out = otherDumps({"--database", "A", "Absent"});
    EXPECT_EQ(out.status, 1);
    EXPECT_EQ(out.err, "Profile not found\n");
    // A database is one the base directory lists, as every command takes it.
    TempDir outside;
    outside.write("secret.db", profileLine("Game", first));
    const std::filesystem::path relative =
        std::filesystem::relative(outside.file("secret"), base.path());
    out = otherDumps({"--database", relative.string(), "Game"});
    EXPECT_EQ(out.status, 1);
    EXPECT_EQ(out.out, "");
    EXPECT_EQ(out.err, "No database selected\n");
    EXPECT_EQ(otherDumps({"Game"}).status, 2);
    EXPECT_EQ(otherDumps({"--database", "A"}).status, 2);
    // A profile name is taken as written, not as a path.
    EXPECT_EQ(parseOtherDumpsArguments({"--database=A", "./x/"}, "/w").values.profiles,
              std::vector<std::string>{"./x/"});
}
