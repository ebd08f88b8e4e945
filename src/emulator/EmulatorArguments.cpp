// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/EmulatorArguments.h"

#include "platform/CommandLine.h"

namespace corvane {

void EmulatorArguments::addOption(std::string option) {
    arguments_.push_back(std::move(option));
    values_.push_back(false);
}

void EmulatorArguments::addValue(std::string value) {
    arguments_.push_back(std::move(value));
    values_.push_back(true);
}

void EmulatorArguments::addOptionValue(std::string option, std::string value) {
    addOption(std::move(option));
    addValue(std::move(value));
}

void EmulatorArguments::addOperand(std::string path) {
    if (!path.empty() && path.front() == '-')
        path.insert(0, "./");
    addValue(std::move(path));
}

void EmulatorArguments::addCommandLine(std::string_view commandLine) {
    for (std::string& argument : splitCommandLine(commandLine))
        addOption(std::move(argument));
}

void EmulatorArguments::append(const EmulatorArguments& other) {
    arguments_.insert(arguments_.end(), other.arguments_.begin(), other.arguments_.end());
    values_.insert(values_.end(), other.values_.begin(), other.values_.end());
}

std::string EmulatorArguments::text() const {
    std::string out;
    for (size_t i = 0; i < arguments_.size(); ++i) {
        out += ' ';
        out += quoteArgument(arguments_[i], values_[i]);
    }
    return out;
}

}  // namespace corvane
