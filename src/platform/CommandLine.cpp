// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CommandLine.h"

namespace corvane {

std::vector<std::string> splitCommandLine(std::string_view commandLine) {
    std::vector<std::string> arguments;
    std::string current;
    // A pair of quotes alone still makes an (empty) argument.
    bool inArgument = false;
    bool inQuotes = false;
    size_t i = 0;
    while (i < commandLine.size()) {
        const char c = commandLine[i];
        if (c == '\\') {
            size_t count = 0;
            while (i < commandLine.size() && commandLine[i] == '\\') {
                ++count;
                ++i;
            }
            if (i < commandLine.size() && commandLine[i] == '"') {
                current.append(count / 2, '\\');
                if (count % 2 == 1) {
                    current += '"';
                    ++i;
                }
            } else {
                current.append(count, '\\');
            }
            inArgument = true;
            continue;
        }
        ++i;
        if (c == '"') {
            inQuotes = !inQuotes;
            inArgument = true;
        } else if ((c == ' ' || c == '\t') && !inQuotes) {
            if (inArgument)
                arguments.push_back(std::move(current));
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments.push_back(std::move(current));
    return arguments;
}

std::string quoteArgument(std::string_view argument, bool alwaysQuote) {
    // Line breaks do not separate arguments, but a bare one would hide where an argument ends.
    const bool needsQuotes =
        argument.empty() || argument.find_first_of(" \t\n\v\r\"") != std::string_view::npos;
    if (!alwaysQuote && !needsQuotes)
        return std::string(argument);
    std::string out = "\"";
    size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"')
            out.append(2 * backslashes + 1, '\\');
        else
            out.append(backslashes, '\\');
        out += c;
        backslashes = 0;
    }
    out.append(2 * backslashes, '\\');
    out += '"';
    return out;
}

}  // namespace corvane
