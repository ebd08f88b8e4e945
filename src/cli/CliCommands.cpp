// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliCommands.h"

#include "cli/AdjustPathsArguments.h"
#include "cli/AdjustPathsCommand.h"
#include "cli/CommandRow.h"
#include "cli/CsvExportArguments.h"
#include "cli/CsvExportCommand.h"
#include "cli/FillArguments.h"
#include "cli/FillCommand.h"
#include "cli/ImportExtraArguments.h"
#include "cli/ImportExtraCommand.h"
#include "cli/IpsArguments.h"
#include "cli/IpsCommand.h"
#include "cli/OtherDumpsArguments.h"
#include "cli/OtherDumpsCommand.h"
#include "cli/RenameArguments.h"
#include "cli/RenameCommand.h"
#include "cli/SetMachineArguments.h"
#include "cli/SetMachineCommand.h"
#include "cli/Sha1Arguments.h"
#include "cli/Sha1Command.h"

namespace corvane {

// Each row: the command's parser, help and texts, what the dispatcher prepares for it, and its
// own work. Every command gets the base directory's workspace.
const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands = {
        commandOf(
            CommandRow<FillArguments>{.name = "fill",
                                      .summary = "make profiles of the media found in directories",
                                      .parse = parseFillArguments,
                                      .text = fillText,
                                      .help = fillHelp,
                                      .needs = kNeedsMachines,
                                      .work = runFill}),
        commandOf(CommandRow<CsvExportArguments>{
            .name = "export-csv",
            .summary = "write the profiles of one database or of all to a CSV file",
            .parse = parseCsvExportArguments,
            .text = csvExportText,
            .help = csvExportHelp,
            .needs = kNeedsNothing,
            .work = runCsvExport}),
        commandOf(CommandRow<IpsArguments>{.name = "ips",
                                           .summary = "apply an IPS patch to a ROM or disk image",
                                           .parse = parseIpsArguments,
                                           .text = ipsText,
                                           .help = ipsHelp,
                                           .needs = kNeedsNothing,
                                           .work = runIps}),
        commandOf(CommandRow<OtherDumpsArguments>{
            .name = "other-dumps",
            .summary = "list the profiles holding other dumps of a profile's software",
            .parse = parseOtherDumpsArguments,
            .text = otherDumpsText,
            .help = otherDumpsHelp,
            .needs = kNeedsSoftwareIndex,
            .work = runOtherDumps}),
        commandOf(CommandRow<ImportExtraArguments>{
            .name = "import-extra",
            .summary = "give profiles the extra data of their media",
            .parse = parseImportExtraArguments,
            .text = importExtraText,
            .help = importExtraHelp,
            .needs = kNeedsNothing,
            .work = runImportExtra}),
        commandOf(CommandRow<RenameArguments>{
            .name = "rename",
            .summary = "rename the media files of a database's profiles by a rule",
            .parse = parseRenameArguments,
            .text = renameText,
            .help = renameHelp,
            .needs = kNeedsNothing,
            .work = runRename}),
        commandOf(CommandRow<SetMachineArguments>{
            .name = "set-machine",
            .summary = "set the machine of the profiles of a database",
            .parse = parseSetMachineArguments,
            .text = setMachineText,
            .help = setMachineHelp,
            .needs = kNeedsMachines,
            .work = runSetMachine}),
        commandOf(CommandRow<AdjustPathsArguments>{
            .name = "adjust-paths",
            .summary = "print or replace the folder that every media path shares",
            .parse = parseAdjustPathsArguments,
            .text = adjustPathsText,
            .help = adjustPathsHelp,
            .needs = kNeedsNothing,
            .work = runAdjustPaths}),
        commandOf(CommandRow<Sha1Arguments>{
            .name = "sha1",
            .summary = "compute the SHA-1 of files and find them in the databases",
            .parse = parseSha1Arguments,
            .text = sha1Text,
            .help = sha1Help,
            .needs = kNeedsNothing,
            .work = runSha1}),
    };
    return commands;
}

}  // namespace corvane
