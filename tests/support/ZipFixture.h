// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
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

// An archive of one deflated member of size zero bytes (a whole number of pieces), a thousandth of
// that on disk: a file that inflates enormously, made without deflating it all.
inline constexpr std::size_t kInflatingPiece = std::size_t{1} << 20;
void writeInflatingZip(const std::string& path, const std::string& name, std::uint64_t size);

// Bytes that differ at every position, so a misplaced block changes the digest.
std::string patternBytes(std::size_t count);

}  // namespace corvane::test
