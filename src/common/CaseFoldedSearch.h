// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// Looks for one text inside many others as the windows show them, ignoring letter case beyond
// ASCII: both sides are decoded (UTF-8, or Windows-1252 for bytes that are not valid UTF-8) and
// case folded, so "café" typed in the window finds "CAFÉ" stored in either encoding. The text
// looked for is decoded once; ASCII names are compared without decoding.
class CaseFoldedSearch {
public:
    explicit CaseFoldedSearch(std::string_view needle);

    // Whether the needle occurs in these bytes. An empty needle occurs everywhere.
    bool foundIn(std::string_view haystack);

private:
    std::u32string needle_;
    // The needle's bytes when it folds to ASCII only, for names that need no decoding.
    std::string asciiNeedle_;
    bool needleIsAscii_ = true;
    std::u32string scratch_;
};

}  // namespace corvane
