// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace corvane {

// Names of the entries of a directory (without "." and ".."), of any type. The order is by name,
// letter case folded, so results that depend on it (first database wins, machine order) are the
// same on every file system. None when the directory cannot be listed.
std::optional<std::vector<std::string>> listDirectory(const std::string& directory);

// The same listing limited to regular files (symbolic links to them count): folders, named pipes
// and devices are left out, so nothing that would block or fail a reader is ever offered.
std::optional<std::vector<std::string>> listRegularFiles(const std::string& directory);

}  // namespace corvane
