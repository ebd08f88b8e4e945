// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/FillNames.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(FillNamesTest, RepeatedNamesAreNumberedPastWhatTheDatabaseHolds) {
    FillNames names;
    names.addExisting("Game");
    names.addExisting("Game__0");
    names.addExisting("");  // an empty line's name takes nothing
    EXPECT_EQ(names.take("Other"), "Other");
    // "Game" and its first number are the database's already.
    EXPECT_EQ(names.take("Game"), "Game__1");
    EXPECT_EQ(names.take("Game  \t"), "Game__2");
    EXPECT_EQ(names.take("Other"), "Other__0");
}

TEST(FillNamesTest, ANumberedNameTypedByHandIsPassedOverNotDoubled) {
    FillNames names;
    names.addExisting("Game");
    names.addExisting("Game__1");
    // The count of Game's numbered names is one, so the next would be Game__1: taken.
    EXPECT_EQ(names.take("Game"), "Game__2");
    EXPECT_EQ(names.take("Game"), "Game__3");
    // A wanted name that is itself numbered is numbered again when taken.
    EXPECT_EQ(names.take("Game__3"), "Game__3__0");
    // Names differing only in case are different profiles.
    EXPECT_EQ(names.take("GAME"), "GAME");
}

}  // namespace
}  // namespace corvane
