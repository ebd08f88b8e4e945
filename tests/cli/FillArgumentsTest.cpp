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

ParsedOptions<FillArguments> parse(const Arguments& arguments) {
    return parseFillArguments(arguments, "/home/user/games");
}

TEST(FillArgumentsTest, DefaultsAreTheDialogs) {
    const ParsedOptions<FillArguments> parsed = parse({"--new", "Fresh"});
    ASSERT_FALSE(parsed.help);
    ASSERT_EQ(parsed.problem, "");
    EXPECT_EQ(parsed.common.baseDirectory, std::nullopt);
    EXPECT_FALSE(parsed.common.userData);
    const FillRequest& request = parsed.values.request;
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
    EXPECT_FALSE(parsed.values.machineGiven);

    const ParsedOptions<FillArguments> existing =
        parse({"roms", "--existing", "Db", "--user-data"});
    ASSERT_EQ(existing.problem, "");
    EXPECT_TRUE(existing.common.userData);
    EXPECT_EQ(existing.values.request.target, FillTarget::Existing);
    EXPECT_EQ(existing.values.request.mode, FillMode::Append);
    EXPECT_EQ(existing.values.request.paths, Arguments{"/home/user/games/roms"});
}

TEST(FillArgumentsTest, EveryOptionAndFullPaths) {
    const ParsedOptions<FillArguments> parsed =
        parse({"--existing=My Db", "--overwrite", "--name-from", "emulator", "--media=disk,tape",
               "--machine", "Philips NMS 8250", "--no-backup", "--no-subdirs", "--no-extra-data",
               "--base-dir", "../launcher/", "a//b/./", "/abs/./x/", "-", "--", "--help", "-x"});
    ASSERT_EQ(parsed.problem, "");
    const FillRequest& request = parsed.values.request;
    EXPECT_EQ(request.databaseName, "My Db");
    EXPECT_EQ(request.mode, FillMode::Overwrite);
    EXPECT_EQ(request.naming, FillNaming::Emulator);
    EXPECT_FALSE(request.media.rom);
    EXPECT_TRUE(request.media.disk);
    EXPECT_TRUE(request.media.tape);
    EXPECT_FALSE(request.media.zip);
    EXPECT_EQ(request.machine, "Philips NMS 8250");
    EXPECT_TRUE(parsed.values.machineGiven);
    EXPECT_FALSE(request.backup);
    EXPECT_FALSE(request.searchSubdirectories);
    EXPECT_FALSE(request.extraData);
    // The folder before ".." is not there to resolve it.
    EXPECT_EQ(parsed.common.baseDirectory, "/home/user/games/../launcher");
    EXPECT_EQ(request.paths, (Arguments{"/home/user/games/a/b", "/abs/x", "/home/user/games/-",
                                        "/home/user/games/--help", "/home/user/games/-x"}));
    // A name that starts like an option is a name after --new.
    EXPECT_EQ(parse({"--new", "--odd"}).values.request.databaseName, "--odd");
}

TEST(FillArgumentsTest, MediaSubsets) {
    auto media = [](const std::string& list) {
        const ParsedOptions<FillArguments> parsed = parse({"--new", "Db", "--media", list});
        EXPECT_EQ(parsed.problem, "") << list;
        const FillMedia m = parsed.values.request.media;
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
    const std::string media = "--media takes rom, disk, tape, zip separated by commas, ";
    const std::vector<std::pair<Arguments, std::string>> cases = {
        {{"--new", "Db", "--frobnicate"}, "unknown option '--frobnicate'"},
        {{"--new", "Db", "-n"}, "unknown option '-n'"},
        {{"--new", "Db", "--no-backup=yes"}, "option '--no-backup' takes no value"},
        {{"--new", "Db", "--user-data=yes"}, "option '--user-data' takes no value"},
        {{"--new", "Db", "--frob=x"}, "unknown option '--frob'"},
        {{"--new"}, "option '--new' needs a value"},
        {{"--existing", "Db", "dir", "--media"}, "option '--media' needs a value"},
        {{"--new", "Db", "--machine="}, "option '--machine' needs a value"},
        {{"--new", "Db", "--base-dir", ""}, "option '--base-dir' needs a value"},
        {{"--new", "Db", "--base-dir"}, "option '--base-dir' needs a value"},
        {{"dir"}, "name the database: --new NAME or --existing NAME"},
        {{"--overwrite", "dir"}, "name the database: --new NAME or --existing NAME"},
        {{"--new", "A", "--existing", "B", "dir"},
         "name one database, once: --new NAME or --existing NAME"},
        // The first problem met wins over those of later arguments.
        {{"--existing", "A", "--existing", "B", "--frob"},
         "name one database, once: --new NAME or --existing NAME"},
        {{"--frob", "--existing", "A", "--existing", "B"}, "unknown option '--frob'"},
        {{"--new", "A", "--overwrite"}, "--overwrite goes with --existing"},
        {{"--new", "A", "--name-from", "title"}, "--name-from takes file or emulator, not 'title'"},
        {{"--new", "A", "--name-from="}, "--name-from takes file or emulator, not ''"},
        {{"--new", "A", "--media", ""}, media + "without empty items"},
        {{"--new", "A", "--media", "rom,,disk"}, media + "without empty items"},
        {{"--new", "A", "--media", "rom,"}, media + "without empty items"},
        {{"--new", "A", "--media", "rom,cart"}, media + "not 'cart'"},
        {{"--new", "A", "--media", "ROM"}, media + "not 'ROM'"},
        {{"--existing", "Db"}, "give at least one DIRECTORY to add to an existing database"},
        {{"--existing", "Db", "--"}, "give at least one DIRECTORY to add to an existing database"},
    };
    for (const auto& [arguments, problem] : cases) {
        const ParsedOptions<FillArguments> parsed = parse(arguments);
        EXPECT_FALSE(parsed.help);
        EXPECT_EQ(parsed.problem, problem) << ::testing::PrintToString(arguments);
    }
}

TEST(FillArgumentsTest, HelpWinsOverEverythingBeforeTheEndOfOptions) {
    EXPECT_TRUE(parse({"--help"}).help);
    EXPECT_TRUE(parse({"--frobnicate", "--new", "A", "--existing", "B", "--help"}).help);
    const ParsedOptions<FillArguments> ended = parse({"--new", "A", "--", "--help"});
    EXPECT_FALSE(ended.help);
    EXPECT_EQ(ended.problem, "");
    EXPECT_EQ(parse({"--new", "A", "--help=1"}).problem, "option '--help' takes no value");
    const std::string help = fillHelp();
    EXPECT_EQ(help.find(fillSynopsis()), 0u);
    for (const char* option :
         {"--base-dir", "--user-data", "--new", "--existing", "--overwrite", "--name-from",
          "--media", "--machine", "--no-backup", "--no-subdirs", "--no-extra-data", "--help"})
        EXPECT_NE(help.find(std::string("\n  ") + option + " "), std::string::npos) << option;
    // The defaults shown are the request's own.
    EXPECT_NE(help.find("(default: file)"), std::string::npos) << help;
    EXPECT_NE(help.find("(default: all)"), std::string::npos) << help;
    EXPECT_NE(help.find("(default: " + std::string(MachineCatalogue::kUsualMachine) + ", or"),
              std::string::npos)
        << help;
    // Every option of the table is in the synopsis a usage error repeats.
    for (const OptionRow<FillArguments>& row : fillOptions().rows)
        EXPECT_NE(fillSynopsis().find(row.entry.name), std::string::npos) << row.entry.name;
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
