// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>

#include "cli/OptionTable.h"

using namespace corvane;

namespace {

using Arguments = std::vector<std::string>;

struct Sample {
    int count = 3;
    bool quiet = false;
    std::vector<std::string> paths;
};

bool takeCount(Sample& s, const std::string& value, std::string& problem) {
    if (value.find_first_not_of("0123456789") != std::string::npos) {
        problem = "--count takes a number, not '" + value + "'";
        return false;
    }
    s.count = std::stoi(value);
    return true;
}

OptionTable<Sample> sampleTable(bool takesPaths) {
    std::vector<OptionRow<Sample>> rows = {
        {.entry = {.name = "--count", .placeholder = "N", .help = "how many", .needsText = true},
         .set = takeCount,
         .shownDefault = [](const Sample& s) { return std::to_string(s.count); }},
        {.entry = {.name = "--quiet",
                   .placeholder = "",
                   .help = "say nothing at all while the work goes on, however long it takes "
                           "and whatever it finds on the way"},
         .set = [](Sample& s, const std::string&, std::string&) { return s.quiet = true; }}};
    OptionTable<Sample> table{.rows = std::move(rows), .addPath = nullptr};
    if (takesPaths)
        table.addPath = [](Sample& s, std::string path) { s.paths.push_back(std::move(path)); };
    return table;
}

ParsedOptions<Sample> parse(const Arguments& arguments, bool takesPaths = true) {
    return parseOptions(sampleTable(takesPaths), arguments, "/w");
}

TEST(OptionTableTest, ParsesEverySpellingAndSaysTheFirstProblem) {
    ParsedOptions<Sample> parsed =
        parse({"--count=7", "a", "-", "--base-dir", "b/", "--", "--quiet", "/x/./y"});
    ASSERT_EQ(parsed.problem, "");
    EXPECT_EQ(parsed.values.count, 7);
    EXPECT_FALSE(parsed.values.quiet);
    EXPECT_EQ(parsed.values.paths, (Arguments{"/w/a", "/w/-", "/w/--quiet", "/x/y"}));
    EXPECT_EQ(parsed.common.baseDirectory, "/w/b");
    parsed = parse({"--quiet", "--user-data", "--count", "12"});
    EXPECT_EQ(parsed.values.count, 12);
    EXPECT_TRUE(parsed.values.quiet && parsed.common.userData);
    EXPECT_EQ(parsed.common.baseDirectory, std::nullopt);

    const std::vector<std::pair<Arguments, std::string>> cases = {
        {{"--count"}, "option '--count' needs a value"},
        {{"--count="}, "option '--count' needs a value"},
        {{"--count", "x7", "--shade"}, "--count takes a number, not 'x7'"},
        {{"--shade", "--count"}, "unknown option '--shade'"},
        {{"--quiet=yes"}, "option '--quiet' takes no value"},
    };
    for (const auto& [arguments, problem] : cases)
        EXPECT_EQ(parse(arguments).problem, problem) << ::testing::PrintToString(arguments);
    EXPECT_EQ(parse({"--quiet", "file"}, false).problem, "unexpected argument 'file'");
    EXPECT_TRUE(parse({"--shade", "--count", "--help"}).help);
    EXPECT_FALSE(parse({"--", "--help"}).help);
}

TEST(OptionTableTest, HelpListsEveryRowWithTheDefaultsOfItsValues) {
    const std::string help = optionHelp(sampleTable(true));
    const std::string own =
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
