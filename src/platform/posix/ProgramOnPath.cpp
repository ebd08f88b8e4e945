// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramOnPath.h"

#include "platform/SystemTool.h"

namespace corvane {

std::string folderOfProgramOnPath(const std::string& searchPath, const std::string& fileName) {
    // An unset PATH names no folder of the user's; the system tool search would fall back to the
    // usual system folders.
    if (searchPath.empty())
        return {};
    const std::optional<std::string> program = findSystemToolIn(fileName, searchPath);
    if (!program)
        return {};
    // "/usr/bin/" and "/usr/bin" are the same folder; the root keeps its slash.
    std::string folder = program->substr(0, program->size() - fileName.size());
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

}  // namespace corvane
