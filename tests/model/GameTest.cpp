// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/Game.h"

using namespace corvane;

TEST(GameTest, KnightmareLine) {
    Game g;
    g.name = "Knightmare";
    g.slot1File = "C:\\MSX\\knight.rom";
    g.generation[0] = true;
    g.sound[0] = true;
    g.genre1 = 7;
    EXPECT_EQ(g.ToLine(), "Knightmare|C:\\MSX\\knight.rom|||||||||||||||||||||||||1|1|7|||");
    EXPECT_EQ(Game::fromLine(g.ToLine()), g);
}
