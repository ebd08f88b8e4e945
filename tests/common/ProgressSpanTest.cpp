// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ProgressSpan.h"

#include <gtest/gtest.h>

#include "support/ScriptedProgress.h"

using namespace corvane;

TEST(ProgressSpanTest, AStepMovesTheParentThroughItsShareOnlyAndCancelAsAsked) {
    test::ScriptedProgress parent;
    ProgressSpan bytes(parent, 100, 200);
    bytes.setPosition(30);  // no range yet: counted in the parent's units
    EXPECT_EQ(parent.position, 130);
    bytes.setRange(50);
    for (const auto& [done, shown] : {std::pair<std::int64_t, std::int64_t>{25, 150},
                                      {50, 200},
                                      {80, 200},
                                      {-5, 100},
                                      {1, 102}}) {
        bytes.setPosition(done);
        EXPECT_EQ(parent.position, shown) << done;
    }
    bytes.setRange(0);  // unknown: the bar stays at the step's start
    bytes.setPosition(7);
    EXPECT_EQ(parent.position, 100);

    // Terabyte counts do not overflow on the way.
    constexpr std::int64_t kTera = 1'000'000'000'000;
    ProgressSpan huge(parent, kTera, 2 * kTera);
    huge.setRange(10 * kTera);
    huge.setPosition(5 * kTera);
    EXPECT_EQ(parent.position, kTera + kTera / 2);
    EXPECT_EQ(parent.range, -1);  // the parent's range is the run's, not the step's

    bytes.setStatus("Games");
    EXPECT_EQ(parent.status, "Games");
    ProgressSpan whole(parent, 0, 10, ProgressSpan::Cancel::AfterStep);
    parent.stop = true;
    EXPECT_TRUE(bytes.cancelled());
    EXPECT_FALSE(whole.cancelled());
}
