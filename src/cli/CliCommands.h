// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct CliContext;

// One command of corvane-cli, as the dispatcher runs it (see CommandRow).
struct CliCommand {
    std::string_view name;
    std::string_view summary;  // one line, for the program's help
    // Takes the arguments after the command's name; gives the exit status.
    std::function<int(const std::vector<std::string>& arguments, const CliContext& context)> run;
};

// Every command, in the order the program's help lists them.
const std::vector<CliCommand>& cliCommands();

}  // namespace corvane
