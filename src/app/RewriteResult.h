// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/OperationResult.h"
#include "model/ProfileFile.h"

namespace corvane {

// What the user is told of a database rewrite. A stopped one wrote what it had done, so it is
// reported as done.
inline OperationResult rewriteResult(RewriteOutcome::Result result) {
    switch (result) {
        case RewriteOutcome::Result::Done:
        case RewriteOutcome::Result::Stopped:
            return OperationResult::Done;
        case RewriteOutcome::Result::BackupFailed:
            return OperationResult::BackupFailed;
        case RewriteOutcome::Result::Busy:
            return OperationResult::Busy;
        case RewriteOutcome::Result::FileError:
        case RewriteOutcome::Result::Missing:
            break;
    }
    return OperationResult::FileError;
}

}  // namespace corvane
