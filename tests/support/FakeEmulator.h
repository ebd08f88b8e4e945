// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "support/TempDir.h"

namespace corvane::test {

// A primary-emulator installation in a temporary directory. Its executable is a shell script
// that appends the working directory, its own path and its argument vector to a log, each ended by
// a NUL byte, so arguments holding line breaks are recorded exactly.
class FakeEmulator {
public:
    struct Call {
        std::string workingDirectory;
        std::string program;
        std::vector<std::string> arguments;
    };

    FakeEmulator();

    // The Corvane Path.
    const std::string& path() const { return dir_.path(); }
    std::string executable() const;
    // Another recording executable (an openMSX or fMSX stand-in) at a path relative to the
    // installation; its calls go to the same log. Gives its full path.
    std::string addProgram(std::string_view relativePath) const;
    std::string write(std::string_view relativePath, std::string_view bytes) const;
    void addMachine(std::string_view name, std::string_view config) const;
    std::string addSharedRom(std::string_view name) const;
    std::string addDatabase(std::string_view fileName, std::string_view xml) const;
    void removeDatabasesDirectory() const;

    // The calls logged so far; waits up to the timeout until at least count are complete.
    std::vector<Call> waitForCalls(
        size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;

private:
    TempDir dir_;
};

// Writes an executable shell script.
std::string writeScript(const TempDir& dir, std::string_view name, std::string_view body);

}  // namespace corvane::test
