// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliCommands.h"

#include "cli/AdjustPathsCommand.h"
#include "cli/FillCommand.h"
#include "cli/SetMachineCommand.h"

namespace corvane {

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands = {
        {.name = "fill",
         .summary = "make profiles of the media found in directories",
         .run = runFillCommand},
        {.name = "set-machine",
         .summary = "set the machine of the profiles of a database",
         .run = runSetMachineCommand},
        {.name = "adjust-paths",
         .summary = "print or replace the folder that every media path shares",
         .run = runAdjustPathsCommand},
    };
    return commands;
}

}  // namespace corvane
