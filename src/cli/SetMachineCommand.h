// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace corvane {

struct CliContext;

// "corvane-cli set-machine": Set Machine on one database of the base directory, with the
// launcher's checks and messages. Takes the arguments after "set-machine"; gives the exit status.
int runSetMachineCommand(const std::vector<std::string>& arguments, const CliContext& context);

}  // namespace corvane
