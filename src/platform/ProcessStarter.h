// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// Starts programs directly, never through a shell, so no argument text is ever interpreted. The
// program is always an absolute path: nothing is looked up in PATH or the working directory (a
// system tool is found first with findSystemTool).
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;

    // Starts the program detached: the caller never waits for it and no zombie remains. True when
    // the program is running, false when it could not be executed (not an absolute path, missing,
    // not executable...).
    // The child inherits the caller's working directory and environment.
    virtual bool start(const std::string& program, const std::vector<std::string>& arguments) = 0;

    // Runs a short-lived helper and waits for it. Gives its exit status; none when it could not be
    // started, ended by a signal, or was still running after the timeout (it is then killed).
    // Its standard input and output are /dev/null.
    virtual std::optional<int> run(const std::string& program,
                                   const std::vector<std::string>& arguments,
                                   std::chrono::milliseconds timeout) = 0;
};

}  // namespace corvane
