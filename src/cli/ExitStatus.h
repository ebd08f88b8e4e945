// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

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

// The status of a run that was allowed to start, for every command alike. stopped: Ctrl+C ended
// the run before its end. A stopped run is Interrupted whether it had changed nothing or part of
// what it was asked (the report on standard output says what), so that a script never takes a
// partial change for the whole; a failure stays Failed even when a stop came with it; a run that
// got to its end says how it ended, even when Ctrl+C came too late to stop it.
ExitStatus exitStatusOf(OperationResult result, bool stopped);

// The sentence every command's help ends with.
const std::string& exitStatusHelp();

}  // namespace corvane
