// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SetMachineArguments.h"

namespace corvane {

namespace {

using Row = OptionRow<SetMachineArguments>;

bool takeMachineChoice(SetMachineArguments& arguments, std::string& problem) {
    if (++arguments.machineChoices > 1) {
        problem = "choose the machine once: --machine NAME or --minimum";
        return false;
    }
    return true;
}

std::vector<Row> setMachineRows() {
    return {
        {.entry = {.name = "--database",
                   .placeholder = "NAME",
                   .help = "the database whose profiles get the machine",
                   .needsText = true},
         .set =
             [](SetMachineArguments& a, const std::string& v, std::string&) {
                 a.request.databaseName = v;
                 a.databaseGiven = true;
                 return true;
             }},
        {.entry = {.name = "--machine",
                   .placeholder = "NAME",
                   .help = "give the profiles this machine",
                   .needsText = true},
         .set =
             [](SetMachineArguments& a, const std::string& v, std::string& p) {
                 a.request.options.machine = v;
                 return takeMachineChoice(a, p);
             }},
        {.entry = {.name = "--minimum",
                   .placeholder = "",
                   .help = "give each profile the minimum machine of its extra data"},
         .set =
             [](SetMachineArguments& a, const std::string&, std::string& p) {
                 a.request.options.minimumMachine = true;
                 return takeMachineChoice(a, p);
             }},
        {.entry = {.name = "--only-missing",
                   .placeholder = "",
                   .help = "change only profiles whose machine the emulator does not have"},
         .set =
             [](SetMachineArguments& a, const std::string&, std::string&) {
                 a.request.options.onlyMissing = true;
                 return true;
             }},
        {.entry = {.name = "--backup", .placeholder = "", .help = "back up the database first"},
         .set =
             [](SetMachineArguments& a, const std::string&, std::string&) {
                 a.request.backup = true;
                 return true;
             }},
    };
}

}  // namespace

const OptionTable<SetMachineArguments>& setMachineOptions() {
    static const OptionTable<SetMachineArguments> table{.rows = setMachineRows(), .addPath = {}};
    return table;
}

ParsedOptions<SetMachineArguments> parseSetMachineArguments(
    const std::vector<std::string>& arguments, const std::string& workingDirectory) {
    ParsedOptions<SetMachineArguments> parsed =
        parseOptions(setMachineOptions(), arguments, workingDirectory);
    if (parsed.help || !parsed.problem.empty())
        return parsed;
    if (!parsed.values.databaseGiven)
        parsed.problem = "name the database: --database NAME";
    else if (parsed.values.machineChoices == 0)
        parsed.problem = "choose the machine: --machine NAME or --minimum";
    return parsed;
}

const CommandText& setMachineText() {
    static const CommandText text{
        .name = "set-machine",
        .synopsis =
            "Usage: corvane-cli set-machine [--base-dir DIR | --user-data] --database NAME\n"
            "                               (--machine NAME | --minimum) [--only-missing]\n"
            "                               [--backup]\n",
        .description =
            "Sets the machine of the profiles of one database, as Set Machine does in the\n"
            "launcher: a machine of the emulator, or the minimum machine that the extra data\n"
            "gives for each profile.\n",
        .notes =
            "The completion message (how many profiles were updated) goes to standard\n"
            "output, every other message to standard error. Ctrl+C stops the run: the\n"
            "profiles changed by then are kept, every other one stays as it was, and the\n"
            "count tells how many changed.\n"};
    return text;
}

std::string setMachineHelp() {
    return commandHelp(setMachineText(), optionHelp(setMachineOptions()));
}

}  // namespace corvane
