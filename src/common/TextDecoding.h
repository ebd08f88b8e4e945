// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// Whether the bytes are well-formed UTF-8: no overlong forms, no surrogates, nothing past
// U+10FFFF, no sequence cut off at the end.
bool isValidUtf8(std::string_view bytes);

// The code points the windows show for these bytes, decided for the whole string: UTF-8 (a
// leading byte order mark dropped) when the bytes are valid UTF-8, otherwise every byte is a
// Windows-1252 character, as databases written on Windows hold them. The five bytes that code
// page leaves unassigned stand for the code points of the same value.
std::u32string decodeText(std::string_view bytes);
// The character a Windows-1252 byte stands for; the five unassigned bytes stand for themselves.
char16_t windows1252CodePoint(unsigned char byte);
// The same into a buffer the caller reuses, replacing its content.
void decodeText(std::string_view bytes, std::u32string& out);

// The bytes as UTF-8 text, read the way decodeText reads them: valid UTF-8 comes back unchanged
// (but for a leading byte order mark), anything else is taken as Windows-1252.
std::string utf8Text(std::string_view bytes);
// Appends the UTF-8 form of one code point.
void appendUtf8(char32_t codePoint, std::string& out);

}  // namespace corvane
