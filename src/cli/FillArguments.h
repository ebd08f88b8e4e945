// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "cli/CommandText.h"
#include "cli/OptionTable.h"
#include "tools/FillRequest.h"

namespace corvane {

// What the arguments of "corvane-cli fill" say. A FillArguments{} holds the dialog's defaults.
struct FillArguments {
    FillRequest request;  // every path made full
    bool machineGiven = false;
    int targets = 0;  // how many of --new and --existing were given
    bool overwrite = false;
};

// The options of "corvane-cli fill", in the order its help lists them.
const OptionTable<FillArguments>& fillOptions();

// Parses the arguments that follow "fill", with the checks that span several options. Runs
// nothing and changes no file.
ParsedOptions<FillArguments> parseFillArguments(const std::vector<std::string>& arguments,
                                                const std::string& workingDirectory);

const CommandText& fillText();
std::string fillSynopsis();
std::string fillHelp();

}  // namespace corvane
