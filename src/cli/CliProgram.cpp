// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliProgram.h"

#include <algorithm>

#include "cli/CliCommands.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"

namespace corvane {

namespace {

std::string programUsage() {
    std::string usage =
        "Usage: corvane-cli COMMAND [ARGUMENT]...\n"
        "       corvane-cli --help | --version\n"
        "\n"
        "Commands:\n";
    size_t width = 0;
    for (const CliCommand& command : cliCommands())
        width = std::max(width, command.name.size());
    for (const CliCommand& command : cliCommands()) {
        const std::string name(command.name);
        usage += "  " + name + std::string(width + 4 - name.size(), ' ') +
                 std::string(command.summary) + " (corvane-cli " + name + " --help)\n";
    }
    return usage;
}

}  // namespace

std::string programVersion() {
    return std::string("corvane-cli ") + CORVANE_VERSION;
}

int runCommandLine(const std::vector<std::string>& arguments, const CliContext& context) {
    if (arguments.empty() || arguments.front() == "--help") {
        context.out << programUsage();
        return exitCode(ExitStatus::Done);
    }
    const std::string& name = arguments.front();
    if (name == "--version") {
        context.out << programVersion() << '\n';
        return exitCode(ExitStatus::Done);
    }
    for (const CliCommand& command : cliCommands())
        if (command.name == name)
            return command.run({arguments.begin() + 1, arguments.end()}, context);
    context.err << "corvane-cli: unknown " << (name.starts_with("-") ? "option" : "command") << " '"
                << name << "'\n"
                << programUsage();
    return exitCode(ExitStatus::Usage);
}

}  // namespace corvane
