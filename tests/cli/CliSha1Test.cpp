// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "cli/Sha1Arguments.h"
#include "media/MediaHash.h"
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

std::string profileLine(const std::string& name, const std::string& file) {
    Game game;
    game.name = name;
    game.slot1File = file;
    return game.ToLine() + "\r\n";
}

class CliSha1Test : public ::testing::Test {
protected:
    TempDir base;
    TempDir media;
    FakeEmulator emulator;

    void SetUp() override {
        Settings settings;
        settings.emulatorDirectory = emulator.path();
        ASSERT_TRUE(saveSettings(base.path(), settings));
    }
    ProgramOutput sha1(Arguments arguments, bool interrupted = false) {
        arguments.insert(arguments.begin(), "sha1");
        return runProgram(CORVANE_CLI_EXE, arguments,
                          {.workingDirectory = media.path(), .interruptWaiting = interrupted});
    }
};

}  // namespace

TEST_F(CliSha1Test, LinesAsSha1sumWritesThemAndAnUnreadableFileFails) {
    const std::string plain = media.write("game.rom", "game bytes");
    // Names sha1sum escapes, and a ZIP archive, which is hashed whole.
    const std::string odd = media.write("back\\slash\nline\rend.rom", "odd");
    const std::string zip = media.file("pack.zip");
    writeZip(zip, {{"inner.rom", "inner"}});
    ProgramOutput run = sha1({"--base-dir", base.path(), "game.rom", odd, zip});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.substr(0, 42), MediumSha1(plain, "") + "  ");
    EXPECT_EQ(run.out.find(MediumSha1(zip, "inner.rom")), std::string::npos);

    const std::string sums = base.write("sums.txt", run.out);
    ProgramOutput check =
        runProgram("/usr/bin/sha1sum", {"-c", sums}, {.workingDirectory = base.path()});
    EXPECT_EQ(check.status, 0) << check.out << check.err;
    EXPECT_EQ(std::count(check.out.begin(), check.out.end(), '\n'), 3) << check.out;

    // The others are still hashed; the one that cannot be read is named on standard error.
    run = sha1({"--base-dir", base.path(), "missing.rom", "game.rom", media.path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, MediumSha1(plain, "") + "  " + plain + "\n");
    EXPECT_NE(run.err.find(media.file("missing.rom")), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(media.path() + ": "), std::string::npos) << run.err;
}

TEST_F(CliSha1Test, FindNamesTheFirstHitOrSaysItIsNotThere) {
    const std::string rom = media.write("game.rom", "game bytes");
    const std::string sha1Text = MediumSha1(rom, "");
    const std::string other = media.write("other.rom", "other");
    base.write("Alpha.db", profileLine("In Alpha", media.file("gone.rom")));
    base.write("Beta.db", profileLine("First", rom) + profileLine("Second", rom));
    base.write("Gamma.db", profileLine("In Gamma", rom));
    emulator.addDatabase("konami.xml",
                         "<db><software><title>Knightmare</title><dump><rom><hash algo=\"sha1\">" +
                             sha1Text + "</hash></rom></dump></software></db>");

    ProgramOutput run = sha1({"--base-dir", base.path(), "--find", "launcher", "game.rom"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, sha1Text + "\tBeta\tFirst\n");

    run = sha1({"--base-dir", base.path(), "--find=emulator", "other.rom", "game.rom"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, sha1Text + "\tKnightmare\tkonami.xml\n");
    EXPECT_EQ(run.err, other + ": Profile was not found in Corvane database\n");

    run = sha1({"--base-dir", base.path(), "--find", "launcher", "other.rom"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, other + ": Profile was not found in Launcher\n");

    // Ctrl+C stops before the first file is hashed.
    run = sha1({"--base-dir", base.path(), "game.rom"}, true);
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.status, 130);
    EXPECT_EQ(run.out, "");

    for (const Arguments& wrong :
         {Arguments{"--base-dir", base.path()}, Arguments{"--find", "everywhere", "game.rom"}}) {
        run = sha1(wrong);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(wrong);
        EXPECT_EQ(run.out, "");
    }
}

TEST(Sha1ArgumentsTest, TheOptionsFillTheRequestFromTheDialogsState) {
    ParsedOptions<Sha1Arguments> parsed = parseSha1Arguments({"a.rom", "/b.rom"}, "/work");
    EXPECT_EQ(parsed.problem, "");
    EXPECT_FALSE(parsed.values.request.find);
    EXPECT_EQ(parsed.values.files, (std::vector<std::string>{"/work/a.rom", "/b.rom"}));
    parsed = parseSha1Arguments({"--find", "emulator", "a.rom"}, "/work");
    EXPECT_TRUE(parsed.values.request.find);
    EXPECT_EQ(parsed.values.request.target, Sha1Target::Emulator);
    EXPECT_NE(sha1Help().find("--find launcher|emulator"), std::string::npos);
}
