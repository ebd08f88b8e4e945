// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

struct CommandSession;
struct AdjustPathsArguments;

// "corvane-cli adjust-paths"'s own work: tells the current relative path of the base
// directory's databases, or replaces it with a new folder, with the launcher's checks and
// messages.
int runAdjustPaths(CommandSession& session, AdjustPathsArguments& arguments);

}  // namespace corvane
