// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "app/SetMachineOperation.h"
#include "cli/CommandText.h"
#include "cli/OptionTable.h"

namespace corvane {

// What the arguments of "corvane-cli set-machine" say. SetMachineArguments{} holds the window's
// defaults.
struct SetMachineArguments {
    SetMachineRequest request;
    bool databaseGiven = false;
    int machineChoices = 0;  // how many of --machine and --minimum were given
};

const OptionTable<SetMachineArguments>& setMachineOptions();

// Parses the arguments that follow "set-machine", with the checks that span several options.
ParsedOptions<SetMachineArguments> parseSetMachineArguments(
    const std::vector<std::string>& arguments, const std::string& workingDirectory);

const CommandText& setMachineText();
std::string setMachineHelp();

}  // namespace corvane
