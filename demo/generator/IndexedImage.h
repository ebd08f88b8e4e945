// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace corvane::demo {

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;

    bool operator==(const Rgb&) const = default;
};

// A picture of palette indices, drawn with rectangles and the demo font. Drawing outside the
// picture is clipped.
class IndexedImage {
public:
    IndexedImage(int width, int height, std::vector<Rgb> palette, uint8_t background);

    int width() const { return width_; }
    int height() const { return height_; }
    const std::vector<Rgb>& palette() const { return palette_; }
    const std::vector<uint8_t>& pixels() const { return pixels_; }
    uint8_t pixel(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

    void fillRect(int x, int y, int width, int height, uint8_t colour);
    // One text line from its top left corner, each character a font cell scaled by scale.
    void drawText(int x, int y, std::string_view text, int scale, uint8_t colour);
    // Width in pixels of a text line drawn at that scale.
    static int textWidth(std::string_view text, int scale);

private:
    int width_;
    int height_;
    std::vector<Rgb> palette_;
    std::vector<uint8_t> pixels_;
};

}  // namespace corvane::demo
