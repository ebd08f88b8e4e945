// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "generator/IndexedImage.h"

namespace corvane::demo {

// The demo's screenshots, 272 x 240 pixels: the size the screenshot panels show best.
class DemoPictures {
public:
    static constexpr int kWidth = 272;
    static constexpr int kHeight = 240;
    static constexpr int kTextColumns = 40;
    static constexpr int kTextRows = 24;

    enum class Accent { Red, Green, Yellow, Cyan, Magenta };

    // An MSX text screen (40 columns, white on blue inside a blue border) showing these lines;
    // longer lines and further rows are cut off, as the screen would.
    static IndexedImage textScreen(const std::vector<std::string>& lines);
    // A title card: a heading in large letters, the name below it wrapped at word boundaries,
    // in the colours of the accent.
    static IndexedImage titleCard(std::string_view heading, std::string_view name, Accent accent);

    // The words of text in lines of at most width characters; a longer word is cut.
    static std::vector<std::string> wrap(std::string_view text, size_t width);
};

}  // namespace corvane::demo
