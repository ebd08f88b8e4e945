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

}  // namespace corvane
