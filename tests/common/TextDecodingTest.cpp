// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "common/TextDecoding.h"

using namespace corvane;

TEST(Utf8Text, ValidUtf8StaysAndWindows1252IsConverted) {
    // Valid UTF-8 passes unchanged, a four-byte character included; only a leading byte order
    // mark goes, as the windows drop it.
    EXPECT_EQ(utf8Text("Caf\xC3\xA9 \xF0\x9F\x98\x80"), "Caf\xC3\xA9 \xF0\x9F\x98\x80");
    EXPECT_EQ(utf8Text("\xEF\xBB\xBFname"), "name");
    EXPECT_EQ(utf8Text(""), "");

    // Bytes written on Windows: Latin-1 letters, the 0x80..0x9F range that differs from
    // Latin-1, and an unassigned byte that stands for itself.
    EXPECT_EQ(utf8Text("Caf\xE9"), "Caf\xC3\xA9");
    EXPECT_EQ(utf8Text("\x80 \x93quoted\x94 \x8A\x9F"),
              "\xE2\x82\xAC \xE2\x80\x9Cquoted\xE2\x80\x9D \xC5\xA0\xC5\xB8");
    EXPECT_EQ(utf8Text("\x9D"), "\xC2\x9D");
    // Decided for the whole value: one stray byte makes every byte Windows-1252.
    EXPECT_EQ(utf8Text("\xC3\xA9\xE9"), "\xC3\x83\xC2\xA9\xC3\xA9");
    // A sequence cut off at the end is not UTF-8.
    EXPECT_EQ(utf8Text("\xE2\x82"), "\xC3\xA2\xE2\x80\x9A");
}
