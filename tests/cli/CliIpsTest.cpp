// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/IpsArguments.h"
#include "support/ProgramRun.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {

// Writes "XY" at offset 1.
const std::string kPatch = std::string("PATCH") + std::string("\0\0\1\0\2", 5) + "XYEOF";

struct IpsRun {
    TempDir dir;
    std::string patch = dir.write("fix.ips", kPatch);
    std::string source = dir.write("game.rom", "abcd");

    ProgramOutput ips(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "ips");
        return runProgram(CORVANE_CLI_EXE, arguments, {.workingDirectory = dir.path()});
    }
};

}  // namespace

TEST(CliIps, PatchesIntoATargetOrOverTheSource) {
    IpsRun run;
    // Relative paths are taken from the working directory.
    ProgramOutput out = run.ips({"fix.ips", "game.rom", "out.rom"});
    EXPECT_EQ(out.status, 0);
    EXPECT_EQ(out.out, "Patch was applied successfully\n");
    EXPECT_EQ(out.err, "");
    EXPECT_EQ(readFile(run.dir.file("out.rom")), "aXYd");
    EXPECT_EQ(readFile(run.source), "abcd");

    out = run.ips({"--sha1", "81FE8BFE87576C3ECB22426F8E57847382917ACF", run.patch, run.source});
    EXPECT_EQ(out.status, 0);
    EXPECT_EQ(readFile(run.source), "aXYd");
}

TEST(CliIps, RefusalsAndFailuresGoToStandardErrorWithStatusOne) {
    IpsRun run;
    ProgramOutput out = run.ips({"--sha1", std::string(40, '0'), "fix.ips", "game.rom", "out.rom"});
    EXPECT_EQ(out.status, 1);
    EXPECT_EQ(out.out, "");
    EXPECT_EQ(out.err, "SHA1 values do not match\n");
    EXPECT_FALSE(std::filesystem::exists(run.dir.file("out.rom")));

    run.dir.write("bad.ips", "PATCH\0\0");
    out = run.ips({"bad.ips", "game.rom"});
    EXPECT_EQ(out.status, 1);
    EXPECT_EQ(out.err, "Invalid IPS file\n");
    out = run.ips({"none.ips", "game.rom"});
    EXPECT_EQ(out.err, "IPS file not found\n");
    out = run.ips({"fix.ips", "none.rom"});
    EXPECT_EQ(out.err, "File to patch not found\n");
    EXPECT_EQ(readFile(run.source), "abcd");

    // A patch alone, or four paths, is not a request.
    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"fix.ips"}, {"fix.ips", "a", "b", "c"}, {"--sha1"}})
        EXPECT_EQ(run.ips(wrong).status, 2);
}

TEST(CliIps, ArgumentsFillTheWindowsRequest) {
    ParsedOptions<IpsArguments> parsed = parseIpsArguments({"p.ips", "s.rom"}, "/w");
    EXPECT_EQ(parsed.problem, "");
    EXPECT_EQ(parsed.values.request.patchPath, "/w/p.ips");
    EXPECT_FALSE(parsed.values.request.separateTarget);
    EXPECT_FALSE(parsed.values.request.enforceSha1);
    parsed = parseIpsArguments({"--sha1=AbC", "p.ips", "s.rom", "t.rom"}, "/w");
    EXPECT_TRUE(parsed.values.request.separateTarget);
    EXPECT_EQ(parsed.values.request.targetPath, "/w/t.rom");
    EXPECT_TRUE(parsed.values.request.enforceSha1);
    EXPECT_EQ(parsed.values.request.expectedSha1, "AbC");
}
