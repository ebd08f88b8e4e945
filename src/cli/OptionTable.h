// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/OptionScan.h"

namespace corvane {

// One option of a command, as its table declares it. Values is what the command's arguments
// fill, starting from Values{}: the same defaults as the dialog's.
template <class Values>
struct OptionRow {
    OptionEntry entry;
    // Takes the option's value (empty for a switch) into the values; false with the line that
    // says what is wrong when it is not one the option takes.
    std::function<bool(Values&, const std::string& value, std::string& problem)> set;
    // How the help names what Values{} holds for the option; none: the help does not say.
    std::function<std::string(const Values&)> shownDefault{};
};

// A command's options and what it does with its other arguments (full paths, in order).
template <class Values>
struct OptionTable {
    std::vector<OptionRow<Values>> rows;
    std::function<void(Values&, std::string path)> addPath;
    // The other arguments are names, handed to addPath as given.
    bool argumentsAreNames = false;
};

// The arguments of a command as its table takes them.
template <class Values>
struct ParsedOptions {
    bool help = false;    // --help was asked for: nothing else was looked at
    std::string problem;  // what is wrong with the arguments; empty when nothing is
    CommonOptions common;
    Values values{};
};

// Parses the arguments that follow the command's name. Runs nothing and changes no file.
template <class Values>
ParsedOptions<Values> parseOptions(const OptionTable<Values>& table,
                                   const std::vector<std::string>& arguments,
                                   const std::string& workingDirectory) {
    ParsedOptions<Values> parsed;
    std::vector<OptionEntry> entries;
    for (const OptionRow<Values>& row : table.rows)
        entries.push_back(row.entry);
    std::function<void(std::string)> addPath;
    if (table.addPath)
        addPath = [&](std::string path) { table.addPath(parsed.values, std::move(path)); };
    const OptionScan scan = scanOptions(
        entries, arguments, workingDirectory, parsed.common,
        [&](size_t row, const std::string& value, std::string& problem) {
            return table.rows[row].set(parsed.values, value, problem);
        },
        addPath, table.argumentsAreNames);
    parsed.help = scan.help;
    parsed.problem = scan.problem;
    return parsed;
}

// The option list of the help: every row with what Values{} holds for it, and the options
// every command has.
template <class Values>
std::string optionHelp(const OptionTable<Values>& table) {
    const Values defaults{};
    std::vector<OptionEntry> entries;
    std::vector<std::optional<std::string>> shown;
    for (const OptionRow<Values>& row : table.rows) {
        entries.push_back(row.entry);
        shown.push_back(row.shownDefault ? std::optional(row.shownDefault(defaults))
                                         : std::nullopt);
    }
    return optionList(entries, shown);
}

}  // namespace corvane
