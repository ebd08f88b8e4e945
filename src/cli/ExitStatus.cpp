// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ExitStatus.h"

namespace corvane {

ExitStatus exitStatusOf(OperationResult result, bool stopped) {
    if (result != OperationResult::Done && result != OperationResult::NothingDone)
        return ExitStatus::Failed;
    if (stopped)
        return ExitStatus::Interrupted;
    return result == OperationResult::Done ? ExitStatus::Done : ExitStatus::Failed;
}

const std::string& exitStatusHelp() {
    static const std::string text =
        "Exit status: 0 done, 1 refused or failed, 2 wrong arguments, 130 stopped by Ctrl+C\n"
        "(what the run changed by then stays changed, and standard output tells what).\n";
    return text;
}

}  // namespace corvane
