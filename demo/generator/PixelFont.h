// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace corvane::demo {

// The demo pictures' own font for printable ASCII: glyphs five pixels wide and eight high
// (descenders in the last row), drawn in cells of 6 x 8 pixels as an MSX text screen has them.
class PixelFont {
public:
    static constexpr int kGlyphWidth = 5;
    static constexpr int kGlyphHeight = 8;
    static constexpr int kCellWidth = 6;
    static constexpr int kCellHeight = 8;

    // Rows from the top; bit 4 is the leftmost pixel. A character outside printable ASCII gives
    // the glyph of "?".
    static std::array<uint8_t, kGlyphHeight> glyph(char c);
};

}  // namespace corvane::demo
