// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "app/IpsOperation.h"
#include "cli/CommandText.h"
#include "cli/OptionTable.h"

namespace corvane {

// What the arguments of "corvane-cli ips" say. IpsArguments{} holds the window's defaults.
struct IpsArguments {
    IpsRequest request;
    std::vector<std::string> paths;  // PATCH SOURCE [TARGET], made full
};

const OptionTable<IpsArguments>& ipsOptions();

// Parses the arguments that follow "ips": without TARGET the source is patched directly.
ParsedOptions<IpsArguments> parseIpsArguments(const std::vector<std::string>& arguments,
                                              const std::string& workingDirectory);

const CommandText& ipsText();
std::string ipsHelp();

}  // namespace corvane
