// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/PngFile.h"

#include <zlib.h>

#include <string_view>

namespace corvane::demo {

namespace {

void appendBigEndian(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

void appendChunk(std::string& out, std::string_view type, std::string_view data) {
    appendBigEndian(out, static_cast<uint32_t>(data.size()));
    const size_t typeAt = out.size();
    out += type;
    out += data;
    const auto* crcStart = reinterpret_cast<const Bytef*>(out.data() + typeAt);
    appendBigEndian(out, static_cast<uint32_t>(crc32(0, crcStart, out.size() - typeAt)));
}

}  // namespace

std::string encodePng(const IndexedImage& image) {
    const size_t colours = image.palette().size();
    if (colours == 0 || colours > 256 || image.width() <= 0 || image.height() <= 0)
        return {};

    std::string header;
    appendBigEndian(header, static_cast<uint32_t>(image.width()));
    appendBigEndian(header, static_cast<uint32_t>(image.height()));
    header += '\x08';                // bits per index
    header += '\x03';                // palette colour
    header += std::string(3, '\0');  // deflate, adaptive filtering, no interlace

    std::string palette;
    for (const Rgb& colour : image.palette()) {
        palette += static_cast<char>(colour.red);
        palette += static_cast<char>(colour.green);
        palette += static_cast<char>(colour.blue);
    }

    // Each row starts with its filter type, 0: the indices as they are.
    std::string raw;
    raw.reserve(static_cast<size_t>(image.width() + 1) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        raw += '\0';
        const uint8_t* row = image.pixels().data() + static_cast<size_t>(y) * image.width();
        raw.append(reinterpret_cast<const char*>(row), static_cast<size_t>(image.width()));
    }
    uLongf packedSize = compressBound(raw.size());
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(raw.data()), raw.size(),
                  Z_BEST_COMPRESSION) != Z_OK)
        return {};
    packed.resize(packedSize);

    std::string png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "PLTE", palette);
    appendChunk(png, "IDAT", packed);
    appendChunk(png, "IEND", {});
    return png;
}

}  // namespace corvane::demo
