// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/IpsArguments.h"

namespace corvane {

const OptionTable<IpsArguments>& ipsOptions() {
    static const OptionTable<IpsArguments> table{
        .rows = {{.entry = {.name = "--sha1",
                            .placeholder = "EXPECTED",
                            .help = "patch only a SOURCE with this SHA-1 (letter case aside)",
                            .needsText = true},
                  .set =
                      [](IpsArguments& a, const std::string& v, std::string&) {
                          a.request.enforceSha1 = true;
                          a.request.expectedSha1 = v;
                          return true;
                      }}},
        .addPath = [](IpsArguments& a, std::string path) { a.paths.push_back(std::move(path)); }};
    return table;
}

ParsedOptions<IpsArguments> parseIpsArguments(const std::vector<std::string>& arguments,
                                              const std::string& workingDirectory) {
    ParsedOptions<IpsArguments> parsed = parseOptions(ipsOptions(), arguments, workingDirectory);
    if (parsed.help || !parsed.problem.empty())
        return parsed;
    std::vector<std::string>& paths = parsed.values.paths;
    if (paths.size() < 2 || paths.size() > 3) {
        parsed.problem = "give PATCH and SOURCE, and TARGET unless the source is to be patched";
        return parsed;
    }
    IpsRequest& request = parsed.values.request;
    request.patchPath = paths[0];
    request.sourcePath = paths[1];
    request.separateTarget = paths.size() == 3;
    if (request.separateTarget)
        request.targetPath = paths[2];
    return parsed;
}

const CommandText& ipsText() {
    static const CommandText text{
        .name = "ips",
        .synopsis =
            "Usage: corvane-cli ips [--base-dir DIR | --user-data] [--sha1 EXPECTED]\n"
            "                       PATCH SOURCE [TARGET]\n",
        .description =
            "Applies the IPS patch PATCH to the ROM or disk image SOURCE and writes the result\n"
            "to TARGET, or over SOURCE when no TARGET is given, as the IPS Center does in the\n"
            "launcher. Nothing is written when a check fails; a file written is replaced whole.\n",
        .notes =
            "The language comes from the settings.ini of the base directory. The success\n"
            "message goes to standard output, an error to standard error.\n"};
    return text;
}

std::string ipsHelp() {
    return commandHelp(ipsText(), optionHelp(ipsOptions()));
}

}  // namespace corvane
