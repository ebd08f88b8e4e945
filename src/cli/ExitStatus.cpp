// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ExitStatus.h"

namespace corvane {

ExitStatus exitStatusOf(OperationResult result, bool interrupted) {
    if (result == OperationResult::Done)
        return ExitStatus::Done;
    if (result == OperationResult::NothingDone && interrupted)
        return ExitStatus::Interrupted;
    return ExitStatus::Failed;
}

}  // namespace corvane
