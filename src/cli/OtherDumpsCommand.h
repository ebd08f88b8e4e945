// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

struct CommandSession;
struct OtherDumpsArguments;

// "corvane-cli other-dumps"'s own work: the known dumps of a profile's software and the
// profiles holding them.
int runOtherDumps(CommandSession& session, OtherDumpsArguments& arguments);

}  // namespace corvane
