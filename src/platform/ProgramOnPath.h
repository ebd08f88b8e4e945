// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace corvane {

// The folder of the first absolute entry of searchPath (in the form of the PATH variable) that
// holds an executable regular file named fileName. Relative entries are skipped: they would name
// another folder from every working directory. Empty when no entry holds one.
std::string folderOfProgramOnPath(const std::string& searchPath, const std::string& fileName);

}  // namespace corvane
