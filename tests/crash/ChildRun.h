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
    // From the fork to the first change watched for (see Watch).
    std::optional<double> firstChange;
    // With a name watched: from the fork to the removal of that file.
    std::optional<double> watchedGone;
};

// When the child is sent SIGKILL: that many seconds after the fork, or after a file of that name
// appears in the folder given, so that a kill can be aimed into a short write.
struct KillMoment {
    double seconds = 0;
    std::string folder;  // with name: the folder the file appears in
    std::string name;    // empty: from the fork
};

// What the first change timed is: any file made, written, renamed or removed under folder, or
// with name, the appearance of that file in folder; its removal is timed too.
struct Watch {
    std::string folder;
    std::string name;
};

// Runs work in a forked child, which leaves through _exit() with what work returned sent back
// through a pipe. The caller must have no threads: the child continues in a copy of one.
ChildEnd runInChild(const std::function<std::string()>& work,
                    const std::optional<KillMoment>& kill = std::nullopt,
                    const Watch& watched = {});

}  // namespace corvane::crash
