// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CommandLine.h"

#include <gtest/gtest.h>

#include <random>

using namespace corvane;
using Args = std::vector<std::string>;

TEST(CommandLine, SplitsLikeWindows) {
    EXPECT_EQ(splitCommandLine(" /rom1 \"C:\\My Games\\a.zip\" /machine \"\"  "),
              (Args{"/rom1", "C:\\My Games\\a.zip", "/machine", ""}));
    EXPECT_EQ(splitCommandLine(" \t "), Args{});
    EXPECT_EQ(splitCommandLine("a:\"b c\"d \"open ended"), (Args{"a:b cd", "open ended"}));
    // Backslashes are literal unless they precede a quote: 2n give n and the quote groups,
    // 2n+1 give n and a literal quote.
    EXPECT_EQ(splitCommandLine("\\\\srv\\x \"C:\\d\\\\\" a\\\"b \\\\\\\"c"),
              (Args{"\\\\srv\\x", "C:\\d\\", "a\"b", "\\\"c"}));
    EXPECT_EQ(splitCommandLine("\"x\"; touch F; \"\" \"$(rm -rf ~)\" `id` a|b>c&&d"),
              (Args{"x;", "touch", "F;", "", "$(rm -rf ~)", "`id`", "a|b>c&&d"}));
}

TEST(CommandLine, QuotingReadsBackToTheSameArgument) {
    // Plain arguments stay bare, so ordinary command lines look as they always did.
    EXPECT_EQ(quoteArgument("/rom1"), "/rom1");
    EXPECT_EQ(quoteArgument("\\\\srv\\a;b$(c)`d`"), "\\\\srv\\a;b$(c)`d`");
    EXPECT_EQ(quoteArgument("MSX2", true), "\"MSX2\"");
    EXPECT_EQ(quoteArgument(""), "\"\"");
    EXPECT_EQ(quoteArgument("C:\\My Games\\a.zip"), "\"C:\\My Games\\a.zip\"");
    // Backslashes are doubled only before a quote or the closing quote.
    EXPECT_EQ(quoteArgument("C:\\d\\", true), "\"C:\\d\\\\\"");
    EXPECT_EQ(quoteArgument("x.rom\" -command \"exec touch P; exit"),
              "\"x.rom\\\" -command \\\"exec touch P; exit\"");
    EXPECT_EQ(quoteArgument("a\\\"b"), "\"a\\\\\\\"b\"");
    EXPECT_EQ(quoteArgument("line\nbreak"), "\"line\nbreak\"");
}

TEST(CommandLine, QuotingIsTheInverseOfSplittingForAnyBytes) {
    // Heavy in the characters the splitter treats specially, plus bytes of other encodings.
    const std::string alphabet = std::string(" \t\"\\\\\\\"\n\r;$()`'ab") + "\xE9\xFF\x01";
    std::mt19937 random(20240611);
    const auto pick = [&random](size_t limit) {
        return std::uniform_int_distribution<size_t>(0, limit)(random);
    };
    for (int round = 0; round < 5000; ++round) {
        Args arguments(pick(5));
        std::string line;
        for (std::string& argument : arguments) {
            for (size_t n = pick(10); n > 0; --n)
                argument += alphabet[pick(alphabet.size() - 1)];
            const bool always = pick(1) == 1;
            ASSERT_EQ(splitCommandLine(quoteArgument(argument, always)), Args{argument})
                << argument;
            line += (pick(1) ? " " : "\t \t") + quoteArgument(argument, always);
        }
        ASSERT_EQ(splitCommandLine(line), arguments) << line;
    }
}
