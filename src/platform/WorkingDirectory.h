// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace corvane {

// The process's working directory in the bytes the system names it by, whatever they are (a
// folder name need not be UTF-8). "." when it has no name any more (it was removed): files are
// still found relative to it.
std::string workingDirectory();

// Makes the directory the process's working directory; false when it cannot be entered.
bool setWorkingDirectory(const std::string& directory);

}  // namespace corvane
