// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/GenerationMsxLink.h"

namespace corvane {

namespace {

bool isUnreserved(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' ||
           c == '_' || c == '~';
}

}  // namespace

std::string generationMsxLink(std::string_view id) {
    if (id.empty())
        return {};
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string link(kGenerationMsxSoftwareInfo);
    for (const char c : id) {
        const auto byte = static_cast<unsigned char>(c);
        if (isUnreserved(byte)) {
            link += c;
        } else {
            link += '%';
            link += kHex[byte >> 4];
            link += kHex[byte & 0x0F];
        }
    }
    return link;
}

}  // namespace corvane
