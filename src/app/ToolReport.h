// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "app/OperationResult.h"
#include "common/Prompter.h"

namespace corvane {

// What the user reads once a tool has run, every text already in the current language.
struct ToolReport {
    OperationResult result = OperationResult::NothingDone;
    // After a change: what was done, in a box of this kind.
    std::string message;
    MessageKind messageKind = MessageKind::Message;
    // After a change: lines under the message.
    std::vector<std::string> notes;
    // After a failure: the tool's own account of it, shown as the error in place of the
    // result's general one.
    std::string error;
    // Whatever the result, each on its own and before anything else: what the run came across
    // on its way (a missing software database).
    std::vector<std::string> notices;
};

}  // namespace corvane
