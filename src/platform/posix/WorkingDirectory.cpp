// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WorkingDirectory.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

namespace corvane {

std::string workingDirectory() {
    // A path may be longer than any fixed buffer; grow until it fits.
    std::vector<char> buffer(256);
    for (;;) {
        if (::getcwd(buffer.data(), buffer.size()))
            return std::string(buffer.data());
        if (errno != ERANGE)
            return ".";
        buffer.resize(buffer.size() * 2);
    }
}

bool setWorkingDirectory(const std::string& directory) {
    return ::chdir(directory.c_str()) == 0;
}

}  // namespace corvane
