// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliCommands.h"

#include "cli/CsvExportCommand.h"
#include "cli/FillCommand.h"

namespace corvane {

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands = {
        {.name = "fill",
         .summary = "make profiles of the media found in directories",
         .run = runFillCommand},
        {.name = "export-csv",
         .summary = "write the profiles of one database or of all to a CSV file",
         .run = runCsvExportCommand},
    };
    return commands;
}

}  // namespace corvane
