// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Sha1Arguments.h"

namespace corvane {

namespace {

bool takeTarget(Sha1Arguments& arguments, const std::string& value, std::string& problem) {
    if (value == "launcher") {
        arguments.request.target = Sha1Target::Launcher;
    } else if (value == "emulator") {
        arguments.request.target = Sha1Target::Emulator;
    } else {
        problem = "--find takes launcher or emulator, not '" + value + "'";
        return false;
    }
    arguments.request.find = true;
    return true;
}

}  // namespace

const OptionTable<Sha1Arguments>& sha1Options() {
    static const OptionTable<Sha1Arguments> table{
        .rows = {{.entry = {.name = "--find",
                            .placeholder = "launcher|emulator",
                            .help = "find each file's SHA-1 in the launcher's databases or in the "
                                    "emulator's software databases"},
                  .set = takeTarget}},
        .addPath = [](Sha1Arguments& a, std::string path) { a.files.push_back(std::move(path)); }};
    return table;
}

ParsedOptions<Sha1Arguments> parseSha1Arguments(const std::vector<std::string>& arguments,
                                                const std::string& workingDirectory) {
    ParsedOptions<Sha1Arguments> parsed = parseOptions(sha1Options(), arguments, workingDirectory);
    if (!parsed.help && parsed.problem.empty() && parsed.values.files.empty())
        parsed.problem = "give at least one FILE";
    return parsed;
}

const CommandText& sha1Text() {
    static const CommandText text{
        .name = "sha1",
        .synopsis =
            "Usage: corvane-cli sha1 [--base-dir DIR | --user-data]\n"
            "                        [--find launcher|emulator] FILE...\n",
        .description =
            "Computes the SHA-1 of each FILE as the SHA1 Center does: a ZIP archive is hashed as\n"
            "the file it is. Without --find, prints one line per file as sha1sum does, so that\n"
            "'sha1sum -c' checks the output. With --find launcher, prints the SHA-1, the\n"
            "database and the name of the first profile whose main medium has it; with --find\n"
            "emulator, the SHA-1, the title and the XML file of its software entry. The fields\n"
            "are separated by a tab.\n",
        .notes =
            "A file that cannot be read, or that --find does not find, is told on standard\n"
            "error and fails the run; the other files are still done.\n"};
    return text;
}

std::string sha1Help() {
    return commandHelp(sha1Text(), optionHelp(sha1Options()));
}

}  // namespace corvane
