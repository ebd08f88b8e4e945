// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliCommands.h"

#include "cli/FillCommand.h"
#include "cli/ImportExtraCommand.h"

namespace corvane {

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands = {
        {.name = "fill",
         .summary = "make profiles of the media found in directories",
         .run = runFillCommand},
        {.name = "import-extra",
         .summary = "give profiles the extra data of their media",
         .run = runImportExtraCommand},
    };
    return commands;
}

}  // namespace corvane
