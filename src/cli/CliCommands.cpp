// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliCommands.h"

#include "cli/FillCommand.h"
#include "cli/RenameCommand.h"

namespace corvane {

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands = {
        {.name = "fill",
         .summary = "make profiles of the media found in directories",
         .run = runFillCommand},
        {.name = "rename",
         .summary = "rename the media files of a database's profiles by a rule",
         .run = runRenameCommand},
    };
    return commands;
}

}  // namespace corvane
