// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/OptionScan.h"

#include "cli/ArgumentPath.h"

namespace corvane {

namespace {

// The help column and the width its text is wrapped to.
constexpr size_t kTextColumn = 24;
constexpr size_t kLineWidth = 84;

const std::vector<OptionEntry>& leadingCommonEntries() {
    static const std::vector<OptionEntry> entries = {
        {.name = "--base-dir",
         .placeholder = "DIR",
         .help = "the launcher's folder, with its settings.ini and databases (default: the "
                 "current directory)",
         .needsText = true},
        {.name = "--user-data",
         .placeholder = "",
         .help = "the per-user folder the desktop menu's launcher uses, "
                 "$XDG_DATA_HOME/corvane-launcher, made when missing"},
    };
    return entries;
}

const OptionEntry kHelpEntry{.name = "--help", .placeholder = "", .help = "show this help"};

bool asksForHelp(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--")
            return false;
        if (argument == kHelpEntry.name)
            return true;
    }
    return false;
}

// The entry of an option and where it is: the command's own (index into entries) or common.
struct Found {
    const OptionEntry* entry = nullptr;
    std::optional<size_t> commandIndex;
};

Found findOption(const std::vector<OptionEntry>& entries, const std::string& name) {
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].name == name)
            return {&entries[i], i};
    for (const OptionEntry& entry : leadingCommonEntries())
        if (entry.name == name)
            return {&entry, std::nullopt};
    return kHelpEntry.name == name ? Found{&kHelpEntry, std::nullopt} : Found{};
}

// An option the command does not have (named without its value), or a value given to one that
// takes none.
std::string refusedOption(const std::string& option, bool known) {
    if (known)
        return "option '" + option + "' takes no value";
    return "unknown option '" + option + "'";
}

std::string missingValue(const std::string& option) {
    return "option '" + option + "' needs a value";
}

void takeCommon(const std::string& option, const std::string& value, CommonOptions& common) {
    if (option == "--base-dir")
        common.baseDirectory = value;
    else if (option == "--user-data")
        common.userData = true;
}

// The words of text in lines that start at the help column and end before the line width.
std::string wrapped(const std::string& text) {
    std::string out;
    size_t column = kTextColumn;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        const size_t length = end - start;
        if (column > kTextColumn && column + 1 + length > kLineWidth) {
            out += "\n" + std::string(kTextColumn, ' ');
            column = kTextColumn;
        } else if (column > kTextColumn) {
            out += ' ';
            ++column;
        }
        out += text.substr(start, length);
        column += length;
        start = end + 1;
    }
    return out + "\n";
}

std::string helpLines(const OptionEntry& entry, const std::optional<std::string>& shownDefault) {
    std::string head = "  " + entry.name;
    if (!entry.placeholder.empty())
        head += " " + entry.placeholder;
    head += head.size() < kTextColumn ? std::string(kTextColumn - head.size(), ' ')
                                      : "\n" + std::string(kTextColumn, ' ');
    return head +
           wrapped(shownDefault ? entry.help + " (default: " + *shownDefault + ")" : entry.help);
}

}  // namespace

OptionScan scanOptions(
    const std::vector<OptionEntry>& entries, const std::vector<std::string>& arguments,
    const std::string& workingDirectory, CommonOptions& common,
    const std::function<bool(size_t entry, const std::string& value, std::string& problem)>& take,
    const std::function<void(std::string path)>& addPath, bool argumentsAreNames) {
    if (asksForHelp(arguments))
        return {.help = true, .problem = {}};
    std::vector<std::string> paths;
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        // "-" alone is a name like any other.
        if (optionsEnded || argument.size() < 2 || argument.front() != '-') {
            if (!addPath)
                return {.help = false, .problem = "unexpected argument '" + argument + "'"};
            paths.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        std::string option = argument;
        std::optional<std::string> value;
        if (const size_t equals = argument.find('=');
            argument.starts_with("--") && equals != std::string::npos) {
            option = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        const Found found = findOption(entries, option);
        if (found.entry == nullptr || (found.entry->placeholder.empty() && value))
            return {.help = false, .problem = refusedOption(option, found.entry != nullptr)};
        if (!found.entry->placeholder.empty() && !value) {
            if (i + 1 == arguments.size())
                return {.help = false, .problem = missingValue(option)};
            value = arguments[++i];
        }
        if (found.entry->needsText && value->empty())
            return {.help = false, .problem = missingValue(option)};
        std::string problem;
        if (!found.commandIndex)
            takeCommon(option, value.value_or(""), common);
        else if (!take(*found.commandIndex, value.value_or(""), problem))
            return {.help = false, .problem = problem};
    }
    if (common.baseDirectory)
        common.baseDirectory = argumentPath(*common.baseDirectory, workingDirectory);
    for (std::string& path : paths)
        addPath(argumentsAreNames ? path : argumentPath(path, workingDirectory));
    return {};
}

std::string optionList(const std::vector<OptionEntry>& entries,
                       const std::vector<std::optional<std::string>>& shownDefaults) {
    std::string out;
    for (const OptionEntry& entry : leadingCommonEntries())
        out += helpLines(entry, std::nullopt);
    for (size_t i = 0; i < entries.size(); ++i)
        out += helpLines(entries[i], i < shownDefaults.size() ? shownDefaults[i] : std::nullopt);
    return out + helpLines(kHelpEntry, std::nullopt);
}

std::optional<std::string> firstItemNotTaken(const std::string& list,
                                             const std::function<bool(const std::string&)>& take) {
    for (size_t start = 0;;) {
        const size_t comma = list.find(',', start);
        const size_t end = comma == std::string::npos ? list.size() : comma;
        std::string item = list.substr(start, end - start);
        if (!take(item))
            return item;
        if (end == list.size())
            return std::nullopt;
        start = end + 1;
    }
}

}  // namespace corvane
