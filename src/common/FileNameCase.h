// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace corvane {

// The path of an existing file named like the last component of path, letter case aside, in the
// same folder: the path itself when it exists, otherwise the folder's entry whose name equals it
// with ASCII letters folded. Names the emulator's own files were given on a system that ignores
// letter case (Knight_0000.png for Knight_0000.PNG) are found that way. When several entries
// match, the one that sorts first by byte value wins, so the choice does not depend on the order
// the folder is listed in. Nothing when no such file exists.
std::optional<std::string> findFileIgnoringCase(const std::string& path);

}  // namespace corvane
