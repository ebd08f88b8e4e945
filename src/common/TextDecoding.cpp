// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/TextDecoding.h"

namespace corvane {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the five unassigned bytes.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

unsigned char byteAt(std::string_view bytes, size_t i) {
    return static_cast<unsigned char>(bytes[i]);
}

bool isContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Length of the well-formed sequence starting at i, or 0 when there is none.
size_t sequenceLength(std::string_view bytes, size_t i) {
    const unsigned char lead = byteAt(bytes, i);
    if (lead < 0x80)
        return 1;
    size_t length = 0;
    // The range the second byte must lie in excludes overlong forms, surrogates and code points
    // past U+10FFFF.
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (bytes.size() - i < length)
        return 0;
    const unsigned char second = byteAt(bytes, i + 1);
    if (second < low || second > high)
        return 0;
    for (size_t k = 2; k < length; ++k)
        if (!isContinuation(byteAt(bytes, i + k)))
            return 0;
    return length;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();) {
        const size_t length = sequenceLength(bytes, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

char16_t windows1252CodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0 && kCp1252High[byte - 0x80])
        return kCp1252High[byte - 0x80];
    return byte;
}

void decodeText(std::string_view bytes, std::u32string& out) {
    out.clear();
    out.reserve(bytes.size());
    if (!isValidUtf8(bytes)) {
        for (char c : bytes)
            out.push_back(windows1252CodePoint(static_cast<unsigned char>(c)));
        return;
    }
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    for (size_t i = 0; i < bytes.size();) {
        const size_t length = sequenceLength(bytes, i);
        const unsigned char lead = byteAt(bytes, i);
        char32_t u = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k)
            u = (u << 6) | (byteAt(bytes, i + k) & 0x3F);
        out.push_back(u);
        i += length;
    }
}

std::u32string decodeText(std::string_view bytes) {
    std::u32string out;
    decodeText(bytes, out);
    return out;
}

void appendUtf8(char32_t u, std::string& out) {
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (u < 0x80) {
        out.push_back(byte(u));
    } else if (u < 0x800) {
        out.push_back(byte(0xC0 | (u >> 6)));
        out.push_back(byte(0x80 | (u & 0x3F)));
    } else if (u < 0x10000) {
        out.push_back(byte(0xE0 | (u >> 12)));
        out.push_back(byte(0x80 | ((u >> 6) & 0x3F)));
        out.push_back(byte(0x80 | (u & 0x3F)));
    } else {
        out.push_back(byte(0xF0 | (u >> 18)));
        out.push_back(byte(0x80 | ((u >> 12) & 0x3F)));
        out.push_back(byte(0x80 | ((u >> 6) & 0x3F)));
        out.push_back(byte(0x80 | (u & 0x3F)));
    }
}

std::string utf8Text(std::string_view bytes) {
    if (isValidUtf8(bytes)) {
        if (bytes.starts_with(kByteOrderMark))
            bytes.remove_prefix(kByteOrderMark.size());
        return std::string(bytes);
    }
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (char c : bytes)
        appendUtf8(windows1252CodePoint(static_cast<unsigned char>(c)), out);
    return out;
}

}  // namespace corvane
