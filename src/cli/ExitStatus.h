// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// What corvane-cli's exit status tells a script.
enum class ExitStatus {
    Done = 0,
    Failed = 1,        // refused by the launcher's checks, or failed
    Usage = 2,         // arguments that say no complete request
    Interrupted = 130  // stopped by Ctrl+C, as a shell reports a SIGINT
};

inline int exitCode(ExitStatus status) {
    return static_cast<int>(status);
}

}  // namespace corvane
