// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CommandLine.h"

#include <gtest/gtest.h>

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
