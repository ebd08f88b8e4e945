// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace corvane {

// What the desktop does with a file on the user's behalf.
class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    // Opens a file or web address with the program the desktop associates with it.
    virtual bool openWithAssociatedProgram(const std::string& target) = 0;
    // Shows the file selected in the file manager; an empty path shows the working directory.
    virtual bool revealFile(const std::string& path) = 0;
};

}  // namespace corvane
