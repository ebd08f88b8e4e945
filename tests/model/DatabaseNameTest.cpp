// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/DatabaseName.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace {

TEST(DatabaseNameTest, ANameThatWouldBreakAFileNamingItOrLeaveTheFolderIsRefused) {
    EXPECT_EQ(validDatabaseName("  Arcade Games "), "Arcade Games");
    const std::vector<std::string> refused{
        "",     "   ", "a|b", "a\rb",     "a\nb",    std::string("a\0b", 3), "a_1", "a/b",
        "a\\b", ".",   "..",  "Games.db", "Games.DB"};
    for (const std::string& bad : refused)
        EXPECT_EQ(validDatabaseName(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace corvane
