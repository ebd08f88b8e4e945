// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace corvane {

struct CliContext;

// "corvane-cli ips": the IPS Center's patch, with its checks and messages. Takes the arguments
// after "ips"; gives the exit status.
int runIpsCommand(const std::vector<std::string>& arguments, const CliContext& context);

}  // namespace corvane
