// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The argument vector of one emulator start, built piece by piece, and the text that shows it.
// Paths, member names, machines and themes stay one argument whatever bytes they hold; only the
// free-form argument fields are split.
class EmulatorArguments {
public:
    // An option name such as "/rom1"; shown bare.
    void addOption(std::string option);
    // One argument whatever it holds; shown in double quotes.
    void addValue(std::string value);
    void addOptionValue(std::string option, std::string value);
    // A file named without an option before it. A relative path starting with "-" gets "./", the
    // same file to the program, which would otherwise read it as an option.
    void addOperand(std::string path);
    // A free-form field of the settings or the profile, split as a Windows command line is.
    void addCommandLine(std::string_view commandLine);
    void append(const EmulatorArguments& other);

    const std::vector<std::string>& arguments() const { return arguments_; }
    // Each argument after a blank, values in quotes, the others quoted where they need it, so
    // that splitCommandLine of the text gives arguments() back.
    std::string text() const;

private:
    std::vector<std::string> arguments_;
    std::vector<bool> values_;
};

}  // namespace corvane
