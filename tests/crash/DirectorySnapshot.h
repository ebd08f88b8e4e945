// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>

namespace corvane::crash {

// Every regular file under a folder, by its path relative to it, with its bytes.
using DirectorySnapshot = std::map<std::string, std::string>;

DirectorySnapshot takeSnapshot(const std::string& folder);

// Empties the folder (which stays, as it may be a mount point) and writes the files into it.
void writeSnapshot(const std::string& folder, const DirectorySnapshot& files);

// The file's bytes, whole; empty when it cannot be read.
std::string fileBytes(const std::string& path);

}  // namespace corvane::crash
