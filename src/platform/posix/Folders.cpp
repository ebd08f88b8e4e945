// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace corvane {

namespace {

bool isFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

std::optional<std::string> resolvedFolder(const std::string& path) {
    if (path.empty())
        return std::nullopt;
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                               &std::free);
    if (!resolved || !isFolder(resolved.get()))
        return std::nullopt;
    return std::string(resolved.get());
}

std::string makeFolders(const std::string& path) {
    if (path.empty())
        return std::strerror(ENOENT);
    // Each prefix ending before a "/", then the whole path.
    for (size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
        const std::string prefix = path.substr(0, end);
        if (!prefix.empty() && prefix.back() != '/' && ::mkdir(prefix.c_str(), 0700) != 0) {
            const int error = errno;
            // Another process may make the same folder meanwhile: what counts is that it is there.
            if (error != EEXIST)
                return std::strerror(error);
            if (!isFolder(prefix))
                return std::strerror(ENOTDIR);
        }
        if (end == std::string::npos)
            return {};
    }
}

std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir)
        return {};
    return found->pw_dir;
}

}  // namespace corvane
