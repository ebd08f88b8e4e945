// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace corvane::demo {

struct ZipEntry {
    std::string name;
    std::string bytes;
};

// Writes a new ZIP archive with these members, in this order, deflated. Every member is dated 1
// January 2025, so the same members always give the same bytes. False when any step fails; a
// failed archive is removed.
bool writeZipArchive(const std::string& path, const std::vector<ZipEntry>& members);

}  // namespace corvane::demo
