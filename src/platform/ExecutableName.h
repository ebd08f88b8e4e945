// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// The file name of a program on this platform, from its base name ("Corvane", "openmsx").
inline std::string executableFileName(std::string_view baseName) {
#ifdef _WIN32
    return std::string(baseName) + ".exe";
#else
    return std::string(baseName);
#endif
}

}  // namespace corvane
