// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace corvane::test {

struct ZipMember {
    std::string name;
    std::string bytes;
    bool stored = false;  // true: no compression
};

// Writes a real archive with minizip's zip interface; an empty list gives an archive without
// members.
void writeZip(const std::string& path, const std::vector<ZipMember>& members);

// Bytes that differ at every position, so a misplaced block changes the digest.
std::string patternBytes(std::size_t count);

}  // namespace corvane::test
