// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/IndexedImage.h"

#include <algorithm>

#include "generator/PixelFont.h"

namespace corvane::demo {

IndexedImage::IndexedImage(int width, int height, std::vector<Rgb> palette, uint8_t background)
    : width_(width),
      height_(height),
      palette_(std::move(palette)),
      pixels_(static_cast<size_t>(width) * height, background) {}

void IndexedImage::fillRect(int x, int y, int width, int height, uint8_t colour) {
    const int left = std::max(x, 0);
    const int right = std::min(x + width, width_);
    const int top = std::max(y, 0);
    const int bottom = std::min(y + height, height_);
    for (int row = top; row < bottom; ++row) {
        for (int column = left; column < right; ++column)
            pixels_[static_cast<size_t>(row) * width_ + column] = colour;
    }
}

void IndexedImage::drawText(int x, int y, std::string_view text, int scale, uint8_t colour) {
    for (char c : text) {
        const auto rows = PixelFont::glyph(c);
        for (int row = 0; row < PixelFont::kGlyphHeight; ++row) {
            for (int column = 0; column < PixelFont::kGlyphWidth; ++column) {
                if (rows[row] & (1 << (PixelFont::kGlyphWidth - 1 - column)))
                    fillRect(x + column * scale, y + row * scale, scale, scale, colour);
            }
        }
        x += PixelFont::kCellWidth * scale;
    }
}

int IndexedImage::textWidth(std::string_view text, int scale) {
    return static_cast<int>(text.size()) * PixelFont::kCellWidth * scale;
}

}  // namespace corvane::demo
