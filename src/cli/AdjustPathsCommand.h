// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace corvane {

struct CliContext;

// "corvane-cli adjust-paths": tells the current relative path of the base directory's
// databases, or replaces it with a new folder, with the launcher's checks and messages. Takes
// the arguments after "adjust-paths"; gives the exit status.
int runAdjustPathsCommand(const std::vector<std::string>& arguments, const CliContext& context);

}  // namespace corvane
