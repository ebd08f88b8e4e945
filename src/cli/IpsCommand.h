// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

struct CommandSession;
struct IpsArguments;

// "corvane-cli ips"'s own work: the IPS Center's patch, with its checks and messages.
int runIps(CommandSession& session, IpsArguments& arguments);

}  // namespace corvane
