// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces the demo media and pictures are made of.
#include <gtest/gtest.h>
#include <zlib.h>

#include "generator/DemoPictures.h"
#include "generator/FatImage.h"
#include "generator/MsxFiles.h"
#include "generator/PngFile.h"

using namespace corvane::demo;

namespace {

uint32_t bigEndian(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

unsigned word(const std::string& bytes, size_t at) {
    return static_cast<uint8_t>(bytes[at]) | (static_cast<uint8_t>(bytes[at + 1]) << 8);
}

std::string cartridge() {
    std::string rom(kCartridgeSize, '\xFF');
    rom.replace(0, 2, "AB");
    rom.replace(kNameTagOffset, kNameTag.size(), kNameTag);
    return rom;
}

}  // namespace

TEST(DemoMedia, TheCartridgeCarriesTheNameInItsFieldOnly) {
    const std::string rom = cartridge();
    const std::optional<std::string> named = cartridgeWithName(rom, "Hello MSX");
    ASSERT_TRUE(named);
    EXPECT_EQ(named->size(), rom.size());
    EXPECT_EQ(named->substr(kNameOffset, kNameField), "Hello MSX" + std::string(31, '\0'));
    EXPECT_EQ(named->substr(0, kNameOffset), rom.substr(0, kNameOffset));
    EXPECT_EQ(named->substr(kNameOffset + kNameField), rom.substr(kNameOffset + kNameField));

    // The field keeps a terminator; the cartridge prints bytes as MSX characters.
    EXPECT_TRUE(cartridgeWithName(rom, std::string(kNameField - 1, 'x')));
    EXPECT_FALSE(cartridgeWithName(rom, std::string(kNameField, 'x')));
    EXPECT_FALSE(cartridgeWithName(rom, ""));
    EXPECT_FALSE(cartridgeWithName(rom, "Caf\xc3\xa9"));
    EXPECT_FALSE(cartridgeWithName(rom, "two\nlines"));
    // Anything but that cartridge is refused rather than damaged.
    EXPECT_FALSE(cartridgeWithName(rom.substr(1), "x"));
    std::string untagged = rom;
    untagged[kNameTagOffset] = 'X';
    EXPECT_FALSE(cartridgeWithName(untagged, "x"));
    std::string headerless = rom;
    headerless[0] = 'X';
    EXPECT_FALSE(cartridgeWithName(headerless, "x"));
}

TEST(DemoMedia, ACassetteImageHoldsOneBinaryFileInAlignedBlocks) {
    const std::string header("\x1F\xA6\xDE\xBA\xCC\x13\x7D\x74", 8);
    const std::string program("\x21\x00\xC0\xC9\x00", 5);
    const std::optional<std::string> tape = cassetteBinaryFile("HELLO", 0xC000, program);
    ASSERT_TRUE(tape);
    EXPECT_EQ(tape->substr(0, 8), header);
    EXPECT_EQ(tape->substr(8, 10), std::string(10, '\xD0'));
    EXPECT_EQ(tape->substr(18, 6), "HELLO ");
    // The second block starts on a multiple of eight, as does the end.
    EXPECT_EQ(tape->substr(24, 8), header);
    EXPECT_EQ(word(*tape, 32), 0xC000u);
    EXPECT_EQ(word(*tape, 34), 0xC004u);
    EXPECT_EQ(word(*tape, 36), 0xC000u);
    EXPECT_EQ(tape->substr(38, program.size()), program);
    EXPECT_EQ(tape->size(), 48u);
    EXPECT_EQ(tape->substr(43), std::string(5, '\0'));

    EXPECT_FALSE(cassetteBinaryFile("TOOLONG", 0xC000, program));
    EXPECT_TRUE(cassetteBinaryFile("X", 0xFFFB, program));
    EXPECT_FALSE(cassetteBinaryFile("X", 0xFFFC, program));
    EXPECT_FALSE(cassetteBinaryFile("X", 0xC000, ""));
}

TEST(DemoMedia, ADiskBinaryFileIsTypeAddressesAndProgram) {
    const std::optional<std::string> file = diskBinaryFile(0xC000, "abc");
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, std::string("\xFE\x00\xC0\x02\xC0\x00\xC0"
                                 "abc",
                                 10));
    EXPECT_FALSE(diskBinaryFile(0xFFFF, "ab"));
}

TEST(DemoMedia, AFatImageRefusesWhatItCannotHold) {
    const std::string cluster(1024, 'x');
    EXPECT_TRUE(buildFatImage(kDoubleSidedDisk, {{"EMPTY", "", ""}, {"A", "TXT", "a"}}));
    for (const FatFile& bad : std::vector<FatFile>{{"", "TXT", "a"},
                                                   {"NINECHARS", "TXT", "a"},
                                                   {"A", "TEXT", "a"},
                                                   {"lower", "TXT", "a"},
                                                   {"A B", "TXT", "a"},
                                                   {"A.B", "TXT", "a"}}) {
        EXPECT_FALSE(buildFatImage(kDoubleSidedDisk, {bad})) << bad.name << "." << bad.extension;
    }
    // 713 clusters of 1 KB hold the data of a 720 KB disk; one byte more does not fit.
    const std::string full(713 * 1024, 'x');
    EXPECT_TRUE(buildFatImage(kDoubleSidedDisk, {{"FULL", "", full}}));
    EXPECT_FALSE(buildFatImage(kDoubleSidedDisk, {{"FULL", "", full + "x"}}));
    std::vector<FatFile> many(113, FatFile{"F", "", ""});
    for (size_t i = 0; i < many.size(); ++i)
        many[i].name = "F" + std::to_string(i);
    EXPECT_FALSE(buildFatImage(kDoubleSidedDisk, many));
    many.pop_back();
    EXPECT_TRUE(buildFatImage(kDoubleSidedDisk, many));
    // More clusters than FAT12 can count, or a FAT too small for them.
    EXPECT_FALSE(buildFatImage({40000, 1, 112, 0xF8, 12, 32, 2}, {}));
    EXPECT_FALSE(buildFatImage({1440, 2, 112, 0xF9, 1, 9, 2}, {}));
    EXPECT_FALSE(buildFatImage({1440, 2, 100, 0xF9, 3, 9, 2}, {}));
}

TEST(DemoMedia, APngFileHoldsThePictureAndNothingThatChanges) {
    IndexedImage image(5, 3, {{1, 2, 3}, {250, 251, 252}, {7, 8, 9}}, 0);
    image.fillRect(1, 1, 3, 1, 1);
    image.fillRect(4, 2, 9, 9, 2);  // clipped at the edges
    const std::string png = encodePng(image);
    ASSERT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(encodePng(image), png);

    // Chunks in order, each with a correct CRC; no text or time chunk.
    std::vector<std::string> types;
    std::string idat;
    size_t at = 8;
    while (at < png.size()) {
        const uint32_t length = bigEndian(png, at);
        ASSERT_LE(at + 12 + length, png.size());
        const std::string type = png.substr(at + 4, 4);
        const std::string data = png.substr(at + 8, length);
        const auto* crcData = reinterpret_cast<const Bytef*>(png.data() + at + 4);
        EXPECT_EQ(bigEndian(png, at + 8 + length), crc32(0, crcData, length + 4)) << type;
        types.push_back(type);
        if (type == "IHDR") {
            EXPECT_EQ(bigEndian(data, 0), 5u);
            EXPECT_EQ(bigEndian(data, 4), 3u);
            EXPECT_EQ(data.substr(8), std::string("\x08\x03\x00\x00\x00", 5));
        } else if (type == "PLTE") {
            EXPECT_EQ(data, "\x01\x02\x03\xFA\xFB\xFC\x07\x08\x09");
        } else if (type == "IDAT") {
            idat += data;
        }
        at += 12 + length;
    }
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "PLTE", "IDAT", "IEND"}));
    std::string raw(3 * 6, '\x7F');
    uLongf rawSize = raw.size();
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(raw.data()), &rawSize,
                         reinterpret_cast<const Bytef*>(idat.data()), idat.size()),
              Z_OK);
    EXPECT_EQ(rawSize, raw.size());
    EXPECT_EQ(raw, std::string("\0\0\0\0\0\0"
                               "\0\0\1\1\1\0"
                               "\0\0\0\0\0\2",
                               18));

    EXPECT_EQ(encodePng(IndexedImage(2, 2, {}, 0)), "");
    EXPECT_EQ(encodePng(IndexedImage(0, 2, {{0, 0, 0}}, 0)), "");
}

TEST(DemoMedia, TextDrawsTheFontAndNamesWrapAtWords) {
    IndexedImage image(12, 8, {{0, 0, 0}, {255, 255, 255}}, 0);
    image.drawText(0, 0, "|-", 1, 1);
    for (int y = 0; y < 7; ++y)
        EXPECT_EQ(image.pixel(2, y), 1) << y;
    EXPECT_EQ(image.pixel(2, 7), 0);
    EXPECT_EQ(image.pixel(1, 0), 0);
    for (int x = 6; x < 11; ++x)
        EXPECT_EQ(image.pixel(x, 3), 1) << x;
    EXPECT_EQ(image.pixel(11, 3), 0);
    EXPECT_EQ(IndexedImage::textWidth("abc", 2), 36);

    using Lines = std::vector<std::string>;
    EXPECT_EQ(DemoPictures::wrap("Demo Hard Disk", 10), (Lines{"Demo Hard", "Disk"}));
    EXPECT_EQ(DemoPictures::wrap("  two   blanks ", 20), (Lines{"two blanks"}));
    EXPECT_EQ(DemoPictures::wrap("a verylongword b", 4), (Lines{"a", "very", "long", "word", "b"}));
    EXPECT_EQ(DemoPictures::wrap("abc", 0), Lines{});
    EXPECT_EQ(DemoPictures::wrap("", 5), Lines{});
}
