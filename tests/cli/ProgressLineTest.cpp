// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>

#include "cli/ProgressLine.h"

using namespace corvane;

TEST(ProgressLineTest, FitsTheTerminalKeepingTheEnd) {
    EXPECT_EQ(ProgressLine::fitted("Scanning... /a/b.rom", 80), "Scanning... /a/b.rom");
    // The last column stays free.
    EXPECT_EQ(ProgressLine::fitted("0123456789", 11), "0123456789");
    EXPECT_EQ(ProgressLine::fitted("0123456789", 10), "...456789");
    EXPECT_EQ(ProgressLine::fitted("0123456789", 3), "..");
    EXPECT_EQ(ProgressLine::fitted("0123456789", 0), "");
    // A name could move the cursor or ring the bell; it is shown, not obeyed.
    EXPECT_EQ(ProgressLine::fitted("a\rb\nc\x1b[2Jd\x7f", 80), "a?b?c?[2Jd?");
    // Characters of UTF-8 count once and are never cut apart.
    const std::string umlauts = "abc\xC3\xA4\xC3\xB6\xC3\xBC";
    EXPECT_EQ(ProgressLine::fitted(umlauts, 7), umlauts);
    EXPECT_EQ(ProgressLine::fitted(umlauts, 6), "...\xC3\xB6\xC3\xBC");
    // A stray continuation byte counts as a character of its own.
    EXPECT_EQ(ProgressLine::fitted("\xA4x", 3), "\xA4x");
}

TEST(ProgressLineTest, RewritesOneLineAndClearsIt) {
    std::ostringstream terminal;
    ProgressLine line(terminal, 20, std::chrono::milliseconds(0));
    line.show("a long first line");
    // A shorter text blanks what is left of the longer one.
    line.show("short");
    EXPECT_EQ(terminal.str(), "\ra long first line\rshort" + std::string(12, ' '));
    line.clear();
    line.clear();
    EXPECT_EQ(terminal.str(), "\ra long first line\rshort" + std::string(12, ' ') + "\r" +
                                  std::string(5, ' ') + "\r");
}

TEST(ProgressLineTest, UpdatesInsideTheIntervalAreDropped) {
    std::ostringstream terminal;
    ProgressLine line(terminal, 80, std::chrono::hours(1));
    line.show("first");
    line.show("second");
    line.clear();
    line.show("third");
    EXPECT_EQ(terminal.str(), "\rfirst\r     \r");
}
