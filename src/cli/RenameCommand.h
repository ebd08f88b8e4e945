// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

struct CommandSession;
struct RenameArguments;

// "corvane-cli rename"'s own work: Rename Files on one database of the base directory, with
// the launcher's checks and texts.
int runRename(CommandSession& session, RenameArguments& arguments);

}  // namespace corvane
