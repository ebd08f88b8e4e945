// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/CaseFolding.h"

namespace corvane {

namespace {

struct Single {
    char32_t from;
    char32_t to;
};

// Foldings that follow no block pattern.
constexpr Single kSingles[] = {
    {0x00B5, 0x03BC}, {0x0178, 0x00FF}, {0x017F, 0x0073}, {0x037F, 0x03F3}, {0x0386, 0x03AC},
    {0x038C, 0x03CC}, {0x038E, 0x03CD}, {0x038F, 0x03CE}, {0x03C2, 0x03C3}, {0x03CF, 0x03D7},
    {0x03D0, 0x03B2}, {0x03D1, 0x03B8}, {0x03D5, 0x03C6}, {0x03D6, 0x03C0}, {0x03F0, 0x03BA},
    {0x03F1, 0x03C1}, {0x03F4, 0x03B8}, {0x03F5, 0x03B5}, {0x03F7, 0x03F8}, {0x03F9, 0x03F2},
    {0x03FA, 0x03FB}, {0x03FD, 0x037B}, {0x03FE, 0x037C}, {0x03FF, 0x037D}, {0x04C0, 0x04CF},
    {0x1E9B, 0x1E61}, {0x1E9E, 0x00DF},
};

// Ranges where capitals and small letters alternate, a capital at the start.
struct Alternating {
    char32_t first;
    char32_t last;
};

constexpr Alternating kAlternating[] = {
    {0x0100, 0x012F}, {0x0132, 0x0137}, {0x0139, 0x0148}, {0x014A, 0x0177}, {0x0179, 0x017E},
    {0x0218, 0x021B}, {0x0370, 0x0373}, {0x0376, 0x0377}, {0x03D8, 0x03EF}, {0x0460, 0x0481},
    {0x048A, 0x04BF}, {0x04C1, 0x04CE}, {0x04D0, 0x052F}, {0x1E00, 0x1E95}, {0x1EA0, 0x1EFF},
};

}  // namespace

char32_t foldCase(char32_t c) {
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + 0x20 : c;
    if ((c >= 0x00C0 && c <= 0x00DE && c != 0x00D7) ||
        (c >= 0x0391 && c <= 0x03AB && c != 0x03A2) || (c >= 0x0410 && c <= 0x042F))
        return c + 0x20;
    if (c >= 0x0388 && c <= 0x038A)
        return c + 0x25;
    if (c >= 0x0400 && c <= 0x040F)
        return c + 0x50;
    for (const Alternating& range : kAlternating) {
        if (c >= range.first && c <= range.last)
            return ((c - range.first) % 2 == 0) ? c + 1 : c;
    }
    for (const Single& single : kSingles) {
        if (single.from == c)
            return single.to;
    }
    return c;
}

void foldCase(std::u32string& text) {
    for (char32_t& c : text)
        c = foldCase(c);
}

}  // namespace corvane
