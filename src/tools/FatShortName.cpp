// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/FatShortName.h"

#include <algorithm>

#include "common/AsciiCase.h"
#include "common/TextDecoding.h"

namespace corvane {

namespace {

constexpr size_t kBasisMax = 8;
constexpr size_t kExtensionMax = 3;
constexpr int kTailMax = 999999;

bool skipped(char32_t c) {
    return c == U' ' || c == U'.';
}

bool validInShortName(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9'))
        return true;
    return std::u32string_view(U"$%'-_@~`!(){}^#&").find(c) != std::u32string_view::npos;
}

// Upper-cased short-name characters; blanks and dots dropped, anything else FAT refuses (and
// every non-ASCII character, which has no fixed code page here) becomes "_". lossy tells
// whether anything but case changed.
std::string shortCharacters(std::u32string_view part, bool& lossy) {
    std::string out;
    for (char32_t c : part) {
        if (skipped(c)) {
            lossy = true;
        } else if (validInShortName(c)) {
            out += toUpperAscii(static_cast<char>(c));
        } else {
            out += '_';
            lossy = true;
        }
    }
    return out;
}

}  // namespace

std::optional<std::string> fatShortName(std::string_view longName, const NameTaken& taken) {
    std::u32string name = decodeText(longName);
    // A file name is not a text file: a leading byte-order mark is one of its characters (and
    // not one FAT takes), not a marker to drop.
    if (longName.starts_with("\xEF\xBB\xBF") && isValidUtf8(longName))
        name.insert(name.begin(), U'\uFEFF');
    const std::u32string_view all(name);
    // The extension follows the last dot, unless that dot ends the name or only dots and blanks
    // come before it (".profile" has no extension).
    std::u32string_view basisPart = all;
    std::u32string_view extensionPart;
    const size_t dot = all.rfind(U'.');
    if (dot != std::u32string_view::npos && dot + 1 < all.size() &&
        !std::all_of(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(dot), skipped)) {
        basisPart = all.substr(0, dot);
        extensionPart = all.substr(dot + 1);
    }
    bool lossy = false;
    const std::string basis = shortCharacters(basisPart, lossy);
    std::string extension = shortCharacters(extensionPart, lossy);
    if (basis.empty())
        return std::nullopt;
    const std::string dotExtension = extension.empty() ? "" : "." + extension;
    if (!lossy && basis.size() <= kBasisMax && extension.size() <= kExtensionMax)
        return basis + dotExtension;

    const std::string shortExtension =
        extension.empty() ? "" : "." + extension.substr(0, kExtensionMax);
    for (int n = 1; n <= kTailMax; ++n) {
        const std::string tail = "~" + std::to_string(n);
        std::string alias = basis.substr(0, kBasisMax - tail.size()) + tail + shortExtension;
        if (!taken(alias))
            return alias;
    }
    return std::nullopt;
}

}  // namespace corvane
