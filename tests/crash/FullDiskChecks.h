// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "crash/CrashChecks.h"
#include "crash/CrashOperation.h"

namespace corvane::crash {

// One way of denying an operation its writes, and what became of it.
struct FullDiskOutcome {
    std::string mode;
    std::string skipped;  // why it did not run; empty when it ran
    std::vector<std::string> failures;
};

// Runs the operation with its writes failing: under a file size limit, on a tmpfs too small for
// them, on a read-only tmpfs, and in a folder without write permission. Each time the user must
// read the message named for the operation and every file must be byte for byte as before. The
// rename tool is also run with room for everything but its database, which its renames must
// then be undone for.
// lay makes the state before the operation afresh in the base directory.
std::vector<FullDiskOutcome> fullDiskChecks(const CrashOperation& operation,
                                            const OperationStates& states, const std::string& base,
                                            const std::function<void()>& lay);

}  // namespace corvane::crash
