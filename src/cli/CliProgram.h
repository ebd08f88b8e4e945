// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace corvane {

struct CliContext;

// corvane-cli as a whole: picks the command from the first argument (argv without the program
// name) and gives the exit status.
int runCommandLine(const std::vector<std::string>& arguments, const CliContext& context);

// "corvane-cli" and the version of the build.
std::string programVersion();

}  // namespace corvane
