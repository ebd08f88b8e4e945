// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

struct CommandSession;
struct SetMachineArguments;

// "corvane-cli set-machine"'s own work: Set Machine on one database of the base directory,
// with the launcher's checks and messages.
int runSetMachine(CommandSession& session, SetMachineArguments& arguments);

}  // namespace corvane
