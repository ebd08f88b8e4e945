// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tools/FatShortName.h"

namespace corvane {

// The new names the rename tool gives a file: the last component only, the folder stays. None
// means the file keeps its name and counts as not renamed.

// Rule 1, the 8.3 form: the FAT alias in lower case; none when that is the name already.
// `taken` is as fatShortName's: other files of the folder, ignoring case.
std::optional<std::string> shortFormatName(std::string_view fileName, const NameTaken& taken);

// Rules 2 and 3: the profile's name or the software's title, followed by the file's current
// extension (from its last ".", dot included, case kept). None when a file of that name already
// exists (`exists`, exact name), or when the name would not survive as a stored path: empty, a
// "/" or "\" (both read as folder separators), or a character a database line refuses.
std::optional<std::string> nameWithExtension(std::string_view newBase, std::string_view fileName,
                                             const NameTaken& exists);

}  // namespace corvane
