// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>

#include "cli/OptionTable.h"

using namespace corvane;

namespace {

using Arguments = std::vector<std::string>;

struct Sample {
    std::string colour = "blue";
    int count = 3;
    bool quiet = false;
    std::vector<std::string> paths;
};

std::vector<OptionRow<Sample>> sampleRows() {
    return {{.spec = {.name = "--colour", .placeholder = "NAME", .help = "the colour"},
             .set =
                 [](Sample& s, const std::string& value, std::string&) {
                     s.colour = value;
                     return true;
                 },
             .shownDefault = [](const Sample& s) { return s.colour; }},
            {.spec = {.name = "--count", .placeholder = "N", .help = "how many", .needsText = true},
             .set =
                 [](Sample& s, const std::string& value, std::string& problem) {
                     if (value.find_first_not_of("0123456789") != std::string::npos) {
                         problem = "--count takes a number, not '" + value + "'";
                         return false;
                     }
                     s.count = std::stoi(value);
                     return true;
                 },
             .shownDefault = [](const Sample& s) { return std::to_string(s.count); }},
            {.spec = {.name = "--quiet",
                      .placeholder = "",
                      .help = "say nothing at all while the work goes on, however long it "
                              "takes and whatever it finds on the way"},
             .set = [](Sample& s, const std::string&, std::string&) {
                 s.quiet = true;
                 return true;
             }}};
}

OptionTable<Sample> sampleTable(bool takesPaths = true) {
    OptionTable<Sample> table{.rows = sampleRows(), .addPath = nullptr};
    if (takesPaths)
        table.addPath = [](Sample& s, std::string path) { s.paths.push_back(std::move(path)); };
    return table;
}

ParsedOptions<Sample> parse(const Arguments& arguments, bool takesPaths = true) {
    return parseOptions(sampleTable(takesPaths), arguments, "/w");
}

TEST(OptionTableTest, ValuesInEitherSpellingAndFullPathsInOrder) {
    ParsedOptions<Sample> parsed = parse({"--colour=red", "--count", "7", "a", "-", "--quiet",
                                          "--base-dir=b/", "--", "--colour", "/x/./y"});
    ASSERT_EQ(parsed.problem, "");
    EXPECT_FALSE(parsed.help);
    EXPECT_EQ(parsed.values.colour, "red");
    EXPECT_EQ(parsed.values.count, 7);
    EXPECT_TRUE(parsed.values.quiet);
    EXPECT_EQ(parsed.values.paths, (Arguments{"/w/a", "/w/-", "/w/--colour", "/x/y"}));
    EXPECT_EQ(parsed.common.baseDirectory, "/w/b");
    EXPECT_FALSE(parsed.common.userData);

    // Untouched values keep their defaults; a value is taken whatever it looks like, and may
    // be empty unless the option needs text.
    parsed = parse({"--colour", "--count", "--user-data", "--colour="});
    ASSERT_EQ(parsed.problem, "");
    EXPECT_EQ(parsed.values.colour, "");
    EXPECT_EQ(parsed.values.count, 3);
    EXPECT_FALSE(parsed.values.quiet);
    EXPECT_TRUE(parsed.values.paths.empty());
    EXPECT_EQ(parsed.common.baseDirectory, std::nullopt);
    EXPECT_TRUE(parsed.common.userData);
}

TEST(OptionTableTest, TheFirstProblemIsSaidAndHelpWinsBeforeTheEndOfOptions) {
    const std::vector<std::pair<Arguments, std::string>> cases = {
        {{"--count"}, "option '--count' needs a value"},
        {{"--count="}, "option '--count' needs a value"},
        {{"--base-dir", ""}, "option '--base-dir' needs a value"},
        {{"--count", "x7"}, "--count takes a number, not 'x7'"},
        {{"--shade"}, "unknown option '--shade'"},
        {{"-q"}, "unknown option '-q'"},
        {{"--quiet=yes"}, "option '--quiet' takes no value"},
        {{"--shade", "--count"}, "unknown option '--shade'"},
        {{"--count", "x", "--shade"}, "--count takes a number, not 'x'"},
    };
    for (const auto& [arguments, problem] : cases) {
        const ParsedOptions<Sample> parsed = parse(arguments);
        EXPECT_FALSE(parsed.help);
        EXPECT_EQ(parsed.problem, problem) << ::testing::PrintToString(arguments);
    }
    EXPECT_EQ(parse({"file"}, false).problem, "unexpected argument 'file'");
    EXPECT_EQ(parse({"--quiet"}, false).problem, "");

    EXPECT_TRUE(parse({"--shade", "--count", "x", "--help"}).help);
    const ParsedOptions<Sample> ended = parse({"--", "--help"});
    EXPECT_FALSE(ended.help);
    EXPECT_EQ(ended.values.paths, Arguments{"/w/--help"});
}

TEST(OptionTableTest, HelpListsEveryRowWithTheDefaultsOfItsValues) {
    const std::string help = optionHelp(sampleTable());
    const std::string own =
        "  --colour NAME         the colour (default: blue)\n"
        "  --count N             how many (default: 3)\n"
        "  --quiet               say nothing at all while the work goes on, however long it\n"
        "                        takes and whatever it finds on the way\n"
        "  --help                show this help\n";
    ASSERT_GE(help.size(), own.size());
    EXPECT_EQ(help.substr(help.size() - own.size()), own);
    EXPECT_EQ(help.rfind("  --base-dir DIR        the launcher's folder", 0), 0u) << help;
    EXPECT_NE(help.find("\n  --user-data           "), std::string::npos) << help;
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);)
        EXPECT_LE(line.size(), 84u) << line;
}

}  // namespace
