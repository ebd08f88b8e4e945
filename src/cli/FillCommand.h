// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace corvane {

struct CliContext;

// "corvane-cli fill": Fill Database on the base directory's databases, with the launcher's
// settings, checks and messages. Takes the arguments after "fill"; gives the exit status.
int runFillCommand(const std::vector<std::string>& arguments, const CliContext& context);

}  // namespace corvane
