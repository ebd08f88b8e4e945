// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/OperationResult.h"

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

// The status of a run that was allowed to start, for every command alike. Only a run that the
// user stopped, and that therefore did nothing, is Interrupted: one that got to its end says
// how it ended, even when Ctrl+C came too late to stop it.
ExitStatus exitStatusOf(OperationResult result, bool interrupted);

}  // namespace corvane
