// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace corvane {

struct CliContext;

// What a command's help says around its option list, and what a usage error repeats of it.
struct CommandText {
    std::string name;         // "fill"
    std::string synopsis;     // "Usage: corvane-cli fill ...", one or more whole lines
    std::string description;  // what the command does, whole lines
    std::string notes;        // what follows the option list, whole lines
};

// The synopsis, the description, the option list and the notes, a blank line between each; the
// notes end with the exit statuses, told alike for every command.
std::string commandHelp(const CommandText& text, const std::string& optionList);

// Tells on standard error what is wrong and how the command is used; the Usage status.
int usageError(const CliContext& context, const CommandText& text, const std::string& problem);

}  // namespace corvane
