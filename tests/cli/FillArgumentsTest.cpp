// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/ArgumentPath.h"
#include "cli/FillArguments.h"
#include "support/TempDir.h"

using namespace corvane;
using namespace corvane::test;

namespace {

using Arguments = std::vector<std::string>;

FillArguments parse(const Arguments& arguments) {
    return parseFillArguments(arguments, "/home/user/games");
}

TEST(FillArgumentsTest, DefaultsAreTheDialogs) {
    const FillArguments parsed = parse({"--new", "Fresh"});
    ASSERT_EQ(parsed.usage, FillUsage::Run);
    EXPECT_EQ(parsed.baseDirectory, "/home/user/games");
    const FillRequest& request = parsed.request;
    EXPECT_EQ(request.target, FillTarget::New);
    EXPECT_EQ(request.databaseName, "Fresh");
    EXPECT_TRUE(request.paths.empty());
    EXPECT_EQ(request.mode, FillMode::Append);
    EXPECT_EQ(request.naming, FillNaming::FileName);
    EXPECT_TRUE(request.media.rom && request.media.disk && request.media.tape && request.media.zip);
    EXPECT_EQ(request.machine, "MSX2 - C-BIOS");
    EXPECT_TRUE(request.backup);
    EXPECT_TRUE(request.searchSubdirectories);
    EXPECT_TRUE(request.extraData);
    EXPECT_FALSE(request.dropped);
    EXPECT_FALSE(parsed.machineGiven);

    const FillArguments existing = parse({"roms", "--existing", "Db"});
    ASSERT_EQ(existing.usage, FillUsage::Run);
    EXPECT_EQ(existing.request.target, FillTarget::Existing);
    EXPECT_EQ(existing.request.mode, FillMode::Append);
    EXPECT_EQ(existing.request.paths, Arguments{"/home/user/games/roms"});
}

TEST(FillArgumentsTest, EveryOptionAndFullPaths) {
    const FillArguments parsed =
        parse({"--existing=My Db", "--overwrite", "--name-from", "emulator", "--media=disk,tape",
               "--machine", "Philips NMS 8250", "--no-backup", "--no-subdirs", "--no-extra-data",
               "--base-dir", "../launcher/", "a//b/./", "/abs/./x/", "-", "--", "--help", "-x"});
    ASSERT_EQ(parsed.usage, FillUsage::Run) << fillUsageProblem(parsed);
    const FillRequest& request = parsed.request;
    EXPECT_EQ(request.databaseName, "My Db");
    EXPECT_EQ(request.mode, FillMode::Overwrite);
    EXPECT_EQ(request.naming, FillNaming::Emulator);
    EXPECT_FALSE(request.media.rom);
    EXPECT_TRUE(request.media.disk);
    EXPECT_TRUE(request.media.tape);
    EXPECT_FALSE(request.media.zip);
    EXPECT_EQ(request.machine, "Philips NMS 8250");
    EXPECT_TRUE(parsed.machineGiven);
    EXPECT_FALSE(request.backup);
    EXPECT_FALSE(request.searchSubdirectories);
    EXPECT_FALSE(request.extraData);
    // The folder before ".." is not there to resolve it.
    EXPECT_EQ(parsed.baseDirectory, "/home/user/games/../launcher");
    EXPECT_EQ(request.paths, (Arguments{"/home/user/games/a/b", "/abs/x", "/home/user/games/-",
                                        "/home/user/games/--help", "/home/user/games/-x"}));
    // A name that starts like an option is a name after --new.
    EXPECT_EQ(parse({"--new", "--odd"}).request.databaseName, "--odd");
}

TEST(FillArgumentsTest, MediaSubsets) {
    auto media = [](const std::string& list) {
        const FillArguments parsed = parse({"--new", "Db", "--media", list});
        EXPECT_EQ(parsed.usage, FillUsage::Run) << list;
        const FillMedia m = parsed.request.media;
        return std::string(m.rom ? "r" : "") + (m.disk ? "d" : "") + (m.tape ? "t" : "") +
               (m.zip ? "z" : "");
    };
    EXPECT_EQ(media("rom"), "r");
    EXPECT_EQ(media("zip"), "z");
    EXPECT_EQ(media("tape,disk"), "dt");
    EXPECT_EQ(media("zip,rom,zip"), "rz");
    EXPECT_EQ(media("rom,disk,tape,zip"), "rdtz");
}

TEST(FillArgumentsTest, UsageErrorsSayWhatIsWrong) {
    struct Case {
        Arguments arguments;
        FillUsage usage;
        std::string culprit;
        std::string said;  // part of the problem line
    };
    const std::vector<Case> cases = {
        {{"--new", "Db", "--frobnicate"}, FillUsage::UnknownOption, "--frobnicate", "unknown"},
        {{"--new", "Db", "-n"}, FillUsage::UnknownOption, "-n", "'-n'"},
        {{"--new", "Db", "--no-backup=yes"},
         FillUsage::UnknownOption,
         "--no-backup=yes",
         "'--no-backup' takes no value"},
        {{"--new"}, FillUsage::MissingValue, "--new", "'--new' needs a value"},
        {{"--existing", "Db", "dir", "--media"}, FillUsage::MissingValue, "--media", "--media"},
        {{"--new", "Db", "--machine="}, FillUsage::MissingValue, "--machine", "--machine"},
        {{"--new", "Db", "--base-dir", ""}, FillUsage::MissingValue, "--base-dir", "--base-dir"},
        {{"dir"}, FillUsage::NoTarget, "", "--new NAME or --existing NAME"},
        {{"--overwrite", "dir"}, FillUsage::NoTarget, "", "--existing NAME"},
        {{"--new", "A", "--existing", "B", "dir"}, FillUsage::TwoTargets, "--existing", "one"},
        {{"--existing", "A", "--existing", "B", "d"}, FillUsage::TwoTargets, "--existing", "one"},
        {{"--new", "A", "--overwrite"},
         FillUsage::OverwriteWithoutExisting,
         "--overwrite",
         "--existing"},
        {{"--new", "A", "--name-from", "title"}, FillUsage::BadNameFrom, "title", "'title'"},
        {{"--new", "A", "--name-from="}, FillUsage::BadNameFrom, "", "file or emulator"},
        {{"--new", "A", "--media", ""}, FillUsage::BadMedia, "", "empty"},
        {{"--new", "A", "--media", "rom,,disk"}, FillUsage::BadMedia, "", "empty"},
        {{"--new", "A", "--media", "rom,"}, FillUsage::BadMedia, "", "empty"},
        {{"--new", "A", "--media", "rom,cart"}, FillUsage::BadMedia, "cart", "'cart'"},
        {{"--new", "A", "--media", "ROM"}, FillUsage::BadMedia, "ROM", "'ROM'"},
        {{"--existing", "Db"}, FillUsage::NoDirectory, "", "DIRECTORY"},
        {{"--existing", "Db", "--"}, FillUsage::NoDirectory, "", "DIRECTORY"},
    };
    for (const Case& c : cases) {
        const FillArguments parsed = parse(c.arguments);
        const std::string shown = ::testing::PrintToString(c.arguments);
        EXPECT_EQ(parsed.usage, c.usage) << shown;
        EXPECT_EQ(parsed.culprit, c.culprit) << shown;
        EXPECT_NE(fillUsageProblem(parsed).find(c.said), std::string::npos)
            << shown << ": " << fillUsageProblem(parsed);
    }
}

TEST(FillArgumentsTest, HelpWinsOverEverythingBeforeTheEndOfOptions) {
    EXPECT_EQ(parse({"--help"}).usage, FillUsage::Help);
    EXPECT_EQ(parse({"--frobnicate", "--new", "A", "--existing", "B", "--help"}).usage,
              FillUsage::Help);
    EXPECT_EQ(parse({"--new", "A", "--", "--help"}).usage, FillUsage::Run);
    EXPECT_NE(fillHelp().find(fillSynopsis()), std::string::npos);
    for (const char* option :
         {"--base-dir", "--user-data", "--new", "--existing", "--overwrite", "--name-from",
          "--media", "--machine", "--no-backup", "--no-subdirs", "--no-extra-data", "--help"})
        EXPECT_NE(fillHelp().find(std::string("  ") + option), std::string::npos) << option;
}

TEST(ArgumentPathTest, RelativeToTheWorkingDirectoryAndTidied) {
    EXPECT_EQ(argumentPath("roms", "/w"), "/w/roms");
    EXPECT_EQ(argumentPath(".", "/w"), "/w");
    EXPECT_EQ(argumentPath("./a/", "/w/"), "/w/a");
    EXPECT_EQ(argumentPath("", "/w"), "/w");
    EXPECT_EQ(argumentPath("/", "/w"), "/");
    EXPECT_EQ(argumentPath("//x//y/", "/w"), "/x/y");
    EXPECT_EQ(argumentPath("../a", "/nowhere/w"), "/nowhere/w/../a");
    // A working directory that has no name any more stays relative.
    EXPECT_EQ(argumentPath("a", "."), "a");
    EXPECT_EQ(argumentPath(".", "."), ".");
    // Bytes of any kind are kept: a name need not be UTF-8, and "\" is a letter here.
    EXPECT_EQ(argumentPath("sp ace\\x\xE9", "/w"), "/w/sp ace\\x\xE9");
}

TEST(ArgumentPathTest, ParentsAreTheSystemsThroughLinks) {
    TempDir dir;
    const std::string real = std::filesystem::canonical(dir.path()).string();
    std::filesystem::create_directories(real + "/deep/er");
    std::filesystem::create_directory_symlink(real + "/deep/er", real + "/link");
    EXPECT_EQ(argumentPath("deep/er/../x", real), real + "/deep/x");
    // Through the link ".." is the parent of its target, as every program opening it finds.
    EXPECT_EQ(argumentPath("link/../x/", real), real + "/deep/x");
    // After the last "..", links are kept as given.
    EXPECT_EQ(argumentPath("deep/../link", real), real + "/link");
    EXPECT_EQ(argumentPath("/..", real), "/");
    EXPECT_EQ(argumentPath("/../tmp", real), "/tmp");
}

}  // namespace
