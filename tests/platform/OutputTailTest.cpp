// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OutputTail.h"

#include <gtest/gtest.h>

using namespace corvane;

TEST(OutputTail, KeepsTheLastWholeLinesWithinItsSize) {
    OutputTail tail(64);
    EXPECT_EQ(tail.lastLines(3), "");
    // Line ends of either kind, pieces that split a line, blank lines at the end.
    tail.add("one\r\ntwo\nthr");
    tail.add("ee\r\n\n\n");
    EXPECT_EQ(tail.lastLines(2), "two\nthree");
    EXPECT_EQ(tail.lastLines(10), "one\ntwo\nthree");

    // Once the start is dropped for room, the line cut in two is left out...
    tail.add(std::string(100, 'x') + "\nreason 1\n");
    tail.add("reason 2");
    EXPECT_EQ(tail.lastLines(10), "reason 1\nreason 2");
    // ...unless it is all there is.
    OutputTail one(8);
    one.add("a very long line");
    EXPECT_EQ(one.lastLines(10), "ong line");
    // A cut that falls just after a line end loses no line.
    OutputTail exact(8);
    exact.add("1234\n");
    exact.add("abc\ndef\n");
    EXPECT_EQ(exact.lastLines(10), "abc\ndef");
}
