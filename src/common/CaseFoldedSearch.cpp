// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/CaseFoldedSearch.h"

#include <algorithm>

#include "common/AsciiCase.h"
#include "common/CaseFolding.h"
#include "common/TextDecoding.h"

namespace corvane {

namespace {
constexpr std::string_view kLongS = "\xC5\xBF";

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
}
}  // namespace

CaseFoldedSearch::CaseFoldedSearch(std::string_view needle) : needle_(decodeText(needle)) {
    foldCase(needle_);
    for (char32_t c : needle_) {
        if (c >= 0x80) {
            needleIsAscii_ = false;
            break;
        }
        asciiNeedle_.push_back(static_cast<char>(c));
    }
}

bool CaseFoldedSearch::foundIn(std::string_view haystack) {
    // An ASCII name is its own decoding and folds within ASCII: it can hold only a needle that
    // folds to ASCII, and then comparing bytes gives the same answer without decoding.
    if (isAscii(haystack))
        return needleIsAscii_ && containsIgnoreCase(haystack, asciiNeedle_);
    // The same holds for an ASCII needle in any name: in either decoding an ASCII character is
    // one ASCII byte and every other byte belongs to a character beyond ASCII, which folds to
    // ASCII only for the long s (UTF-8 C5 BF).
    if (needleIsAscii_ && haystack.find(kLongS) == std::string_view::npos)
        return containsIgnoreCase(haystack, asciiNeedle_);
    decodeText(haystack, scratch_);
    foldCase(scratch_);
    return std::u32string_view(scratch_).find(needle_) != std::u32string_view::npos;
}

}  // namespace corvane
