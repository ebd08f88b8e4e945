// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "app/AdjustPathsOperation.h"
#include "cli/CommandText.h"
#include "cli/OptionTable.h"

namespace corvane {

// What the arguments of "corvane-cli adjust-paths" say. AdjustPathsArguments{} holds the
// window's defaults; without a new folder the command only tells the current relative path.
struct AdjustPathsArguments {
    AdjustPathsRequest request;  // the new folder made full
    int folders = 0;
};

const OptionTable<AdjustPathsArguments>& adjustPathsOptions();

ParsedOptions<AdjustPathsArguments> parseAdjustPathsArguments(
    const std::vector<std::string>& arguments, const std::string& workingDirectory);

const CommandText& adjustPathsText();
std::string adjustPathsHelp();

}  // namespace corvane
