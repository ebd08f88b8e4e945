// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

struct CommandSession;
struct FillArguments;

// "corvane-cli fill"'s own work: Fill Database on the base directory's databases, with the
// launcher's settings, checks and messages. Gives the exit status.
int runFill(CommandSession& session, FillArguments& arguments);

}  // namespace corvane
