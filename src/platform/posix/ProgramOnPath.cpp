// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramOnPath.h"

#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

namespace {

bool isExecutableFile(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

// "/usr/bin/" and "/usr/bin" are the same folder; the root keeps its slash.
std::string withoutTrailingSlashes(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

}  // namespace

std::string folderOfProgramOnPath(const std::string& searchPath, const std::string& fileName) {
    size_t start = 0;
    for (;;) {
        const size_t colon = searchPath.find(':', start);
        const std::string entry = searchPath.substr(
            start, colon == std::string::npos ? std::string::npos : colon - start);
        if (!entry.empty() && entry.front() == '/') {
            const std::string folder = withoutTrailingSlashes(entry);
            const std::string candidate = folder == "/" ? "/" + fileName : folder + "/" + fileName;
            if (isExecutableFile(candidate))
                return folder;
        }
        if (colon == std::string::npos)
            return {};
        start = colon + 1;
    }
}

}  // namespace corvane
