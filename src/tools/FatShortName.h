// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// Whether a name is already in use in the folder the new name is meant for.
using NameTaken = std::function<bool(std::string_view name)>;

// The 8.3 alias a FAT file system gives a file of this long name, in upper case. A name that
// already fits 8.3 with valid characters is its own alias. Any other gets a basis of at most six
// valid characters (fewer as the tail grows), the first numeric tail "~N" whose alias `taken`
// does not report, and at most three extension characters. `taken` answers for other files of
// the folder, ignoring case, as FAT compares. None when no valid character is left.
std::optional<std::string> fatShortName(std::string_view longName, const NameTaken& taken);

}  // namespace corvane
