// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliCommands.h"

#include "cli/FillCommand.h"
#include "cli/Sha1Command.h"

namespace corvane {

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands = {
        {.name = "fill",
         .summary = "make profiles of the media found in directories",
         .run = runFillCommand},
        {.name = "sha1",
         .summary = "compute the SHA-1 of files and find them in the databases",
         .run = runSha1Command},
    };
    return commands;
}

}  // namespace corvane
