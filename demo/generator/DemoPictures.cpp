// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/DemoPictures.h"

#include "generator/PixelFont.h"

namespace corvane::demo {

namespace {

enum Colour : uint8_t { kBlue, kWhite, kNavy, kRed, kGreen, kYellow, kCyan, kMagenta, kGrey };

const std::vector<Rgb>& palette() {
    static const std::vector<Rgb> colours{
        {43, 43, 255},  {255, 255, 255}, {16, 16, 48},   {219, 36, 36},   {36, 182, 73},
        {219, 219, 36}, {73, 219, 219},  {182, 73, 182}, {146, 146, 146},
    };
    return colours;
}

uint8_t accentColour(DemoPictures::Accent accent) {
    switch (accent) {
        case DemoPictures::Accent::Red:
            return kRed;
        case DemoPictures::Accent::Green:
            return kGreen;
        case DemoPictures::Accent::Yellow:
            return kYellow;
        case DemoPictures::Accent::Cyan:
            return kCyan;
        case DemoPictures::Accent::Magenta:
            return kMagenta;
    }
    return kWhite;
}

void drawCentred(IndexedImage& image, int y, std::string_view text, int scale, uint8_t colour) {
    const int x = (image.width() - IndexedImage::textWidth(text, scale)) / 2;
    image.drawText(x, y, text, scale, colour);
}

}  // namespace

IndexedImage DemoPictures::textScreen(const std::vector<std::string>& lines) {
    IndexedImage image(kWidth, kHeight, palette(), kBlue);
    const int left = (kWidth - kTextColumns * PixelFont::kCellWidth) / 2;
    const int top = (kHeight - kTextRows * PixelFont::kCellHeight) / 2;
    for (size_t row = 0; row < lines.size() && row < kTextRows; ++row) {
        const std::string_view line = std::string_view(lines[row]).substr(0, kTextColumns);
        image.drawText(left, top + static_cast<int>(row) * PixelFont::kCellHeight, line, 1, kWhite);
    }
    return image;
}

IndexedImage DemoPictures::titleCard(std::string_view heading, std::string_view name,
                                     Accent accent) {
    const uint8_t colour = accentColour(accent);
    IndexedImage image(kWidth, kHeight, palette(), kNavy);
    // Stripes above and below, as on a cartridge label.
    for (int stripe = 0; stripe < 4; ++stripe) {
        image.fillRect(0, 8 + stripe * 6, kWidth, 3, colour);
        image.fillRect(0, kHeight - 32 + stripe * 6, kWidth, 3, colour);
    }
    drawCentred(image, 48, heading, 3, colour);
    constexpr int kNameScale = 2;
    const size_t columns = kWidth / (PixelFont::kCellWidth * kNameScale);
    int y = 100;
    for (const std::string& line : wrap(name, columns)) {
        drawCentred(image, y, line, kNameScale, kWhite);
        y += PixelFont::kCellHeight * kNameScale + 4;
    }
    drawCentred(image, kHeight - 48, "Corvane Launcher demo", 1, kGrey);
    return image;
}

std::vector<std::string> DemoPictures::wrap(std::string_view text, size_t width) {
    std::vector<std::string> lines;
    if (width == 0)
        return lines;
    std::string line;
    auto flush = [&] {
        if (!line.empty())
            lines.push_back(line);
        line.clear();
    };
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find(' ', at);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view word = text.substr(at, end - at);
        at = end + 1;
        while (word.size() > width) {
            flush();
            lines.emplace_back(word.substr(0, width));
            word.remove_prefix(width);
        }
        if (word.empty())
            continue;
        if (!line.empty() && line.size() + 1 + word.size() > width)
            flush();
        if (!line.empty())
            line += ' ';
        line += word;
    }
    flush();
    return lines;
}

}  // namespace corvane::demo
