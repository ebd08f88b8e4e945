// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace corvane::crash {

// How a child that ran an operation ended.
struct ChildEnd {
    bool killed = false;  // by the SIGKILL sent to it
    bool exited = false;  // on its own, with exit status 0
    std::string message;  // what the operation told the user, when it got that far
    double seconds = 0;   // from the fork to the child's end
    // From the fork to the first file made, written, renamed or removed in the watched folder.
    std::optional<double> firstChange;
};

// Runs work in a forked child, which leaves through _exit() with what work returned sent back
// through a pipe. With killAfter, the child is sent SIGKILL that many seconds after the fork.
// With watched, the first change to the files under it is timed. The caller must have no
// threads: the child continues in a copy of one.
ChildEnd runInChild(const std::function<std::string()>& work,
                    std::optional<double> killAfter = std::nullopt,
                    const std::string& watched = {});

}  // namespace corvane::crash
