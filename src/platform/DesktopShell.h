// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace corvane {

// What the desktop does with a file on the user's behalf. The desktop's helpers report late, so
// the outcome arrives through done: true when the desktop did it. done runs where the process
// starter delivers its reports, or at once when nothing could be handed over.
class DesktopShell {
public:
    using Done = std::function<void(bool done)>;

    virtual ~DesktopShell() = default;
    // Opens a file or web address with the program the desktop associates with it.
    virtual void openWithAssociatedProgram(const std::string& target, Done done) = 0;
    // Shows the file selected in the file manager; an empty path shows the working directory.
    virtual void revealFile(const std::string& path, Done done) = 0;
};

}  // namespace corvane
