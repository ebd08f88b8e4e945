// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

struct CommandSession;
struct ImportExtraArguments;

// "corvane-cli import-extra"'s own work: the extra data into the base directory's databases,
// with the launcher's checks and messages.
int runImportExtra(CommandSession& session, ImportExtraArguments& arguments);

}  // namespace corvane
