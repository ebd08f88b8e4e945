// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// Starts programs directly, never through a shell, so no argument text is ever interpreted. The
// program is always an absolute path: nothing is looked up in PATH or the working directory (a
// system tool is found first with findSystemTool).
class ProcessStarter {
public:
    // Receives a helper's exit status; none when it could not be started, ended by a signal, or
    // was killed at its timeout.
    using ExitHandler = std::function<void(std::optional<int> status)>;
    // How a watched program that failed at once ended: its exit status (128 plus the signal's
    // number when a signal ended it) and the last lines it wrote on its standard error.
    struct EarlyExit {
        int status = 0;
        std::string lastErrorLines;
    };
    // Told once, when the watch is over: what a program that failed during it left; none when
    // the program still runs or ended with status 0.
    using WatchHandler = std::function<void(std::optional<EarlyExit> failure)>;
    // Hands a task to the thread that owns the windows, to run there later.
    using Post = std::function<void(std::function<void()> task)>;

    virtual ~ProcessStarter() = default;

    // Starts the program detached: the caller never waits for it and no zombie remains. True when
    // the program is running, false when it could not be executed (not an absolute path, missing,
    // not executable...).
    // The child inherits the caller's working directory and environment.
    virtual bool start(const std::string& program, const std::vector<std::string>& arguments) = 0;

    // Starts the program as start does, and watches it for the given time without making the
    // caller wait: done runs as the exit handlers of runInBackground do. Its standard error
    // reaches the caller's, during the watch and after it, for as long as it runs.
    virtual bool startWatched(const std::string& program, const std::vector<std::string>& arguments,
                              std::chrono::milliseconds watch, WatchHandler done) = 0;

    // Runs a short-lived helper (the desktop's file opener, the message bus client) without
    // making the caller wait: returns at once, and done gets the exit status when the helper has
    // ended, through the post set with setReportPost (without one, on a thread of the starter's
    // own). A helper still running after the timeout is killed; without one it may run as long as
    // it likes. Once the starter is gone no handler runs. Its standard input and output are
    // /dev/null.
    virtual void runInBackground(const std::string& program,
                                 const std::vector<std::string>& arguments,
                                 std::optional<std::chrono::milliseconds> timeout,
                                 ExitHandler done) = 0;
    // Where the exit handlers run from now on.
    virtual void setReportPost(Post post) = 0;
};

}  // namespace corvane
