// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/GenerationMsxLink.h"

#include <gtest/gtest.h>

using namespace corvane;

TEST(GenerationMsxLinkTest, TheIdIsOnePathSegmentOfTheSoftwareInfoPage) {
    EXPECT_EQ(generationMsxLink("1234"), "https://www.generation-msx.nl/msxdb/softwareinfo/1234");
    EXPECT_EQ(generationMsxLink(""), "");
    // What a damaged line might hold stays inside the segment.
    EXPECT_EQ(generationMsxLink("12 ?x=1#top/../"),
              "https://www.generation-msx.nl/msxdb/softwareinfo/12%20%3Fx%3D1%23top%2F%2E%2E%2F");
    EXPECT_EQ(generationMsxLink("\xE9-_~"),
              "https://www.generation-msx.nl/msxdb/softwareinfo/%E9-_~");
}
