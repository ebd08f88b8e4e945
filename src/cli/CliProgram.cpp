// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliProgram.h"

#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "cli/FillCommand.h"

namespace corvane {

namespace {

std::string programUsage() {
    return "Usage: corvane-cli COMMAND [ARGUMENT]...\n"
           "       corvane-cli --help | --version\n"
           "\n"
           "Commands:\n"
           "  fill    make profiles of the media found in directories (corvane-cli fill --help)\n";
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
    const std::string& command = arguments.front();
    if (command == "--version") {
        context.out << programVersion() << '\n';
        return exitCode(ExitStatus::Done);
    }
    if (command == "fill")
        return runFillCommand({arguments.begin() + 1, arguments.end()}, context);
    context.err << "corvane-cli: unknown " << (command.starts_with("-") ? "option" : "command")
                << " '" << command << "'\n"
                << programUsage();
    return exitCode(ExitStatus::Usage);
}

}  // namespace corvane
