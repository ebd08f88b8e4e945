// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Path.h"

#include <sys/stat.h>

namespace corvane {

std::string joinPath(std::string_view dir, std::string_view name) {
    std::string out(dir);
    if (!out.empty() && out.back() != '/' && out.back() != '\\')
        out += kPathSeparator;
    out += name;
    return out;
}

bool isAbsolutePath(std::string_view path) {
    return !path.empty() && path.front() == kPathSeparator;
}

std::string pathFrom(std::string_view base, std::string_view path) {
    if (path.empty() || isAbsolutePath(path))
        return std::string(path);
    return joinPath(base, path);
}

size_t lastSeparator(std::string_view path) {
    return path.find_last_of("/\\");
}

std::string_view lastComponent(std::string_view path) {
    const size_t pos = lastSeparator(path);
    return pos == std::string_view::npos ? path : path.substr(pos + 1);
}

std::string_view parentPath(std::string_view path) {
    const size_t pos = lastSeparator(path);
    return pos == std::string_view::npos ? std::string_view{} : path.substr(0, pos);
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool isDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace corvane
