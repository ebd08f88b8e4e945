// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/OtherDumpsArguments.h"

namespace corvane {

const OptionTable<OtherDumpsArguments>& otherDumpsOptions() {
    static const OptionTable<OtherDumpsArguments> table{
        .rows = {{.entry = {.name = "--database",
                            .placeholder = "NAME",
                            .help = "the database PROFILE is in (its name without \".db\")",
                            .needsText = true},
                  .set =
                      [](OtherDumpsArguments& a, const std::string& v, std::string&) {
                          a.database = v;
                          return true;
                      }}},
        .addPath = [](OtherDumpsArguments& a,
                      std::string name) { a.profiles.push_back(std::move(name)); },
        .argumentsAreNames = true};
    return table;
}

ParsedOptions<OtherDumpsArguments> parseOtherDumpsArguments(
    const std::vector<std::string>& arguments, const std::string& workingDirectory) {
    ParsedOptions<OtherDumpsArguments> parsed =
        parseOptions(otherDumpsOptions(), arguments, workingDirectory);
    if (parsed.help || !parsed.problem.empty())
        return parsed;
    if (parsed.values.database.empty())
        parsed.problem = "name the profile's database: --database NAME";
    else if (parsed.values.profiles.size() != 1)
        parsed.problem = "name one PROFILE";
    return parsed;
}

const CommandText& otherDumpsText() {
    static const CommandText text{
        .name = "other-dumps",
        .synopsis =
            "Usage: corvane-cli other-dumps [--base-dir DIR | --user-data] --database NAME\n"
            "                               PROFILE\n",
        .description =
            "Prints how many dumps the emulator's software databases know of the software of\n"
            "PROFILE's main medium, then each profile of every launcher database whose medium is\n"
            "one of them, as \"name|database\", as Other Dumps does in the launcher.\n",
        .notes =
            "Software the emulator does not know prints \"0\" and is done. A profile that is\n"
            "not found, or whose medium cannot be read, fails.\n"};
    return text;
}

std::string otherDumpsHelp() {
    return commandHelp(otherDumpsText(), optionHelp(otherDumpsOptions()));
}

}  // namespace corvane
