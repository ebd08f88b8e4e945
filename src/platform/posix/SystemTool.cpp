// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemTool.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "common/Path.h"

namespace corvane {

namespace {

constexpr std::string_view kSystemFolders = "/usr/local/bin:/usr/bin:/bin";

bool isExecutableFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::optional<std::string> findSystemTool(std::string_view name) {
    const char* searchPath = std::getenv("PATH");
    return findSystemToolIn(name, searchPath ? searchPath : "");
}

std::optional<std::string> findSystemToolIn(std::string_view name, std::string_view searchPath) {
    if (name.empty() || name.find('/') != std::string_view::npos)
        return std::nullopt;
    std::string_view folders = searchPath.empty() ? kSystemFolders : searchPath;
    for (;;) {
        const size_t colon = folders.find(':');
        const std::string_view folder = folders.substr(0, colon);
        if (isAbsolutePath(folder)) {
            std::string candidate = joinPath(folder, name);
            if (isExecutableFile(candidate))
                return candidate;
        }
        if (colon == std::string_view::npos)
            return std::nullopt;
        folders.remove_prefix(colon + 1);
    }
}

}  // namespace corvane
