// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/AdjustPathsArguments.h"

namespace corvane {

const OptionTable<AdjustPathsArguments>& adjustPathsOptions() {
    static const OptionTable<AdjustPathsArguments> table{
        .rows = {{.entry = {.name = "--backup",
                            .placeholder = "",
                            .help = "back up every database first"},
                  .set =
                      [](AdjustPathsArguments& a, const std::string&, std::string&) {
                          a.request.backup = true;
                          return true;
                      }}},
        .addPath = [](AdjustPathsArguments& a, std::string path) {
            a.request.newFolder = std::move(path);
            ++a.folders;
        }};
    return table;
}

ParsedOptions<AdjustPathsArguments> parseAdjustPathsArguments(
    const std::vector<std::string>& arguments, const std::string& workingDirectory) {
    ParsedOptions<AdjustPathsArguments> parsed =
        parseOptions(adjustPathsOptions(), arguments, workingDirectory);
    if (!parsed.help && parsed.problem.empty() && parsed.values.folders > 1)
        parsed.problem = "give one NEW_FOLDER";
    return parsed;
}

const CommandText& adjustPathsText() {
    static const CommandText text{
        .name = "adjust-paths",
        .synopsis =
            "Usage: corvane-cli adjust-paths [--base-dir DIR | --user-data] [--backup]\n"
            "                                [NEW_FOLDER]\n",
        .description =
            "Without NEW_FOLDER, prints the current relative path: the leading folder that every\n"
            "media path of every database shares. With it, puts NEW_FOLDER in that folder's\n"
            "place in every database, as Adjust Relative Path does in the launcher.\n",
        .notes =
            "The current relative path and the completion message go to standard output,\n"
            "every other message to standard error. A database that cannot be rewritten\n"
            "stops the run, and Ctrl+C stops it after the database being rewritten; the\n"
            "databases rewritten by then are named.\n"};
    return text;
}

std::string adjustPathsHelp() {
    return commandHelp(adjustPathsText(), optionHelp(adjustPathsOptions()));
}

}  // namespace corvane
