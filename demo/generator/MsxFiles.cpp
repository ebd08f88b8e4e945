// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/MsxFiles.h"

namespace corvane::demo {

namespace {

constexpr std::string_view kCassetteBlockHeader("\x1F\xA6\xDE\xBA\xCC\x13\x7D\x74", 8);
constexpr char kCassetteBinaryType = '\xD0';
constexpr size_t kCassetteTypeBytes = 10;
constexpr size_t kCassetteNameSize = 6;
constexpr size_t kCassetteAlignment = 8;

void appendWord(std::string& out, uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

// Load, end (last byte) and start address; none when the program is empty or passes 0xFFFF.
std::optional<std::string> addresses(uint16_t address, std::string_view program) {
    if (program.empty() || address + program.size() - 1 > 0xFFFF)
        return std::nullopt;
    std::string out;
    appendWord(out, address);
    appendWord(out, static_cast<uint16_t>(address + program.size() - 1));
    appendWord(out, address);
    return out;
}

}  // namespace

std::optional<std::string> cartridgeWithName(std::string_view cartridge, std::string_view name) {
    if (cartridge.size() != kCartridgeSize || cartridge.substr(0, 2) != "AB" ||
        cartridge.substr(kNameTagOffset, kNameTag.size()) != kNameTag)
        return std::nullopt;
    // The last byte of the field ends the text.
    if (name.empty() || name.size() >= kNameField)
        return std::nullopt;
    for (char c : name) {
        if (c < ' ' || c > '~')
            return std::nullopt;
    }
    std::string named(cartridge);
    std::string field(name);
    field.resize(kNameField, '\0');
    named.replace(kNameOffset, kNameField, field);
    return named;
}

std::optional<std::string> cassetteBinaryFile(std::string_view name, uint16_t address,
                                              std::string_view program) {
    const std::optional<std::string> header = addresses(address, program);
    if (!header || name.size() > kCassetteNameSize)
        return std::nullopt;
    std::string out(kCassetteBlockHeader);
    out.append(kCassetteTypeBytes, kCassetteBinaryType);
    out += name;
    out.append(kCassetteNameSize - name.size(), ' ');
    out += kCassetteBlockHeader;
    out += *header;
    out += program;
    out.append((kCassetteAlignment - out.size() % kCassetteAlignment) % kCassetteAlignment, '\0');
    return out;
}

std::optional<std::string> diskBinaryFile(uint16_t address, std::string_view program) {
    const std::optional<std::string> header = addresses(address, program);
    if (!header)
        return std::nullopt;
    return "\xFE" + *header + std::string(program);
}

}  // namespace corvane::demo
