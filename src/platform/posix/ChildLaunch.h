// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace corvane {

// How a program is started. A descriptor of -1 leaves the launcher's own in place.
struct ChildSetup {
    int input = -1;
    int output = -1;
    int error = -1;
    // Orphaned at once and adopted by init, which reaps it: nobody waits for it.
    bool detached = false;
    // A session of its own: a Ctrl+C or hang-up in the launcher's terminal does not reach it.
    bool ownSession = false;
};

// Starts the program (an absolute path) with fork and exec, never through a shell; a close-on-exec
// pipe tells whether exec succeeded. Gives the child's process id, 0 for a detached one, or none
// when it could not be executed (a child that failed has been reaped).
std::optional<pid_t> launchChild(const std::string& program,
                                 const std::vector<std::string>& arguments,
                                 const ChildSetup& setup);

// waitpid, again when a signal interrupts it.
pid_t waitForChild(pid_t pid, int* status, int options = 0);

}  // namespace corvane
