// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramFolder.h"

#include <unistd.h>

#include <string>
#include <vector>

namespace corvane {

std::string programFolder() {
    // The link's target may be longer than any fixed buffer; grow until it fits.
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return {};
        if (static_cast<size_t>(length) < buffer.size()) {
            // The system's own name: "/" alone separates, and a "\" belongs to a name.
            const std::string path(buffer.data(), static_cast<size_t>(length));
            const size_t slash = path.rfind('/');
            return slash == std::string::npos ? std::string{} : path.substr(0, slash ? slash : 1);
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace corvane
