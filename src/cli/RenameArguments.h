// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "cli/CommandText.h"
#include "cli/OptionTable.h"
#include "tools/FileRenameRequest.h"

namespace corvane {

// What the arguments of "corvane-cli rename" say. A RenameArguments{} holds the dialog's
// defaults.
struct RenameArguments {
    FileRenameRequest request;
    bool databaseGiven = false;
    bool ruleGiven = false;
    // The user has read that renaming cannot be undone, as ticking Proceed says.
    bool confirmed = false;
};

const OptionTable<RenameArguments>& renameOptions();

// Parses the arguments that follow "rename", with the checks that span several options. Runs
// nothing and changes no file.
ParsedOptions<RenameArguments> parseRenameArguments(const std::vector<std::string>& arguments,
                                                    const std::string& workingDirectory);

const CommandText& renameText();
std::string renameHelp();

}  // namespace corvane
