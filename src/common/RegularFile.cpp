// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace corvane {

int openRegularFile(const std::string& path) {
    // Without O_NONBLOCK, opening a pipe waits until someone opens its other end.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat status {};
    int error = 0;
    if (::fstat(fd, &status) != 0)
        error = errno;
    else if (S_ISDIR(status.st_mode))
        error = EISDIR;
    else if (!S_ISREG(status.st_mode))
        error = EINVAL;
    else {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
            error = errno;
    }
    if (error != 0) {
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

std::optional<std::string> readRegularFile(const std::string& path) {
    const int fd = openRegularFile(path);
    if (fd < 0)
        return std::nullopt;
    std::string content;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && status.st_size > 0)
        content.reserve(static_cast<size_t>(status.st_size));
    char buffer[64 * 1024];
    bool ok = true;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            ok = false;
        if (got <= 0)
            break;
        content.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    if (!ok)
        return std::nullopt;
    return content;
}

bool isRegularFile(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace corvane
