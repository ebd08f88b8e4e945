// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace corvane {

struct CliContext;

// "corvane-cli rename": Rename Files on one database of the base directory, with the launcher's
// checks and texts. Takes the arguments after "rename"; gives the exit status.
int runRenameCommand(const std::vector<std::string>& arguments, const CliContext& context);

}  // namespace corvane
