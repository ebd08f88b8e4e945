// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// What the help and the parser know of one option.
struct OptionEntry {
    std::string name;         // "--media"
    std::string placeholder;  // what its value stands for ("LIST"); empty for a switch
    std::string help;
    // An empty value counts as none: the option "needs a value".
    bool needsText = false;
};

// The options every command has: where its base directory is.
struct CommonOptions {
    std::optional<std::string> baseDirectory;  // --base-dir, made full
    bool userData = false;                     // --user-data: the desktop menu's folder
};

// How a scan of a command's arguments ended.
struct OptionScan {
    bool help = false;
    std::string problem;  // the first thing wrong; empty when nothing is
};

// Takes the arguments that follow a command's name, for OptionTable. "--help" anywhere before
// "--" wins over everything; otherwise the first problem ends the scan. An option's value is
// the rest of "--option=value" or the next argument, whatever it looks like. "--" ends the
// options; "-" alone and anything not starting with "-" is a path, made full from the working
// directory and handed to addPath once every option was taken (a null addPath takes none).
// argumentsAreNames hands them over as given instead: names of profiles, not paths.
OptionScan scanOptions(
    const std::vector<OptionEntry>& entries, const std::vector<std::string>& arguments,
    const std::string& workingDirectory, CommonOptions& common,
    const std::function<bool(size_t entry, const std::string& value, std::string& problem)>& take,
    const std::function<void(std::string path)>& addPath, bool argumentsAreNames = false);

// Hands each item of a comma list to take, in order; the first item it does not take (an empty
// one included) is given back.
std::optional<std::string> firstItemNotTaken(const std::string& list,
                                             const std::function<bool(const std::string&)>& take);

// The option list of a help text: --base-dir and --user-data, the entries each with the default
// shown beside it when there is one, and --help.
std::string optionList(const std::vector<OptionEntry>& entries,
                       const std::vector<std::optional<std::string>>& shownDefaults);

}  // namespace corvane
