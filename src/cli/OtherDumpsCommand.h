// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace corvane {

struct CliContext;

// "corvane-cli other-dumps": the known dumps of a profile's software and the profiles holding
// them. Takes the arguments after "other-dumps"; gives the exit status.
int runOtherDumpsCommand(const std::vector<std::string>& arguments, const CliContext& context);

}  // namespace corvane
