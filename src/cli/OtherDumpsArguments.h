// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "cli/CommandText.h"
#include "cli/OptionTable.h"

namespace corvane {

// What the arguments of "corvane-cli other-dumps" say.
struct OtherDumpsArguments {
    std::string database;
    std::vector<std::string> profiles;  // one name, as given
};

const OptionTable<OtherDumpsArguments>& otherDumpsOptions();

// Parses the arguments that follow "other-dumps": a database and one profile name in it.
ParsedOptions<OtherDumpsArguments> parseOtherDumpsArguments(
    const std::vector<std::string>& arguments, const std::string& workingDirectory);

const CommandText& otherDumpsText();
std::string otherDumpsHelp();

}  // namespace corvane
