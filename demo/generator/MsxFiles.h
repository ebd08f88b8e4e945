// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::demo {

// Where the demo cartridge keeps the name it prints: a tag, then a NUL-padded field.
inline constexpr size_t kCartridgeSize = 16 * 1024;
inline constexpr size_t kNameTagOffset = 0x10;
inline constexpr std::string_view kNameTag = "NAME";
inline constexpr size_t kNameOffset = kNameTagOffset + 4;
inline constexpr size_t kNameField = 40;

// The demo cartridge with this name in its name field. None when the image is not that
// cartridge (size, header or tag), or when the name does not fit or holds a character the MSX
// would print differently (outside printable ASCII).
std::optional<std::string> cartridgeWithName(std::string_view cartridge, std::string_view name);

// A cassette image holding one binary file as MSX BASIC saves it with BSAVE"CAS:": a header block
// with the file type and its six-character name, then a block with the load, end and start
// addresses and the program. Every block begins on a multiple of eight bytes, as cassette image
// readers expect. None when the name is longer than six characters or the program does not fit
// in memory from address on.
std::optional<std::string> cassetteBinaryFile(std::string_view name, uint16_t address,
                                              std::string_view program);

// A binary file as BSAVE writes it to disk: the type byte 0xFE, the load, end and start addresses,
// then the program. None when it does not fit in memory from address on.
std::optional<std::string> diskBinaryFile(uint16_t address, std::string_view program);

}  // namespace corvane::demo
