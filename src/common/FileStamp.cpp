// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FileStamp.h"

#include <sys/stat.h>

namespace corvane {

std::optional<FileStamp> fileStamp(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return FileStamp{status.st_dev, status.st_ino, status.st_size, status.st_mtim.tv_sec,
                     status.st_mtim.tv_nsec};
}

}  // namespace corvane
