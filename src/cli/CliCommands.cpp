// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliCommands.h"

#include "cli/AdjustPathsCommand.h"
#include "cli/CsvExportCommand.h"
#include "cli/FillCommand.h"
#include "cli/ImportExtraCommand.h"
#include "cli/IpsCommand.h"
#include "cli/OtherDumpsCommand.h"
#include "cli/RenameCommand.h"
#include "cli/SetMachineCommand.h"
#include "cli/Sha1Command.h"

namespace corvane {

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands = {
        {.name = "fill",
         .summary = "make profiles of the media found in directories",
         .run = runFillCommand},
        {.name = "export-csv",
         .summary = "write the profiles of one database or of all to a CSV file",
         .run = runCsvExportCommand},
        {.name = "ips",
         .summary = "apply an IPS patch to a ROM or disk image",
         .run = runIpsCommand},
        {.name = "other-dumps",
         .summary = "list the profiles holding other dumps of a profile's software",
         .run = runOtherDumpsCommand},
        {.name = "import-extra",
         .summary = "give profiles the extra data of their media",
         .run = runImportExtraCommand},
        {.name = "rename",
         .summary = "rename the media files of a database's profiles by a rule",
         .run = runRenameCommand},
        {.name = "set-machine",
         .summary = "set the machine of the profiles of a database",
         .run = runSetMachineCommand},
        {.name = "adjust-paths",
         .summary = "print or replace the folder that every media path shares",
         .run = runAdjustPathsCommand},
        {.name = "sha1",
         .summary = "compute the SHA-1 of files and find them in the databases",
         .run = runSha1Command},
    };
    return commands;
}

}  // namespace corvane
