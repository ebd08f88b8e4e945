// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <functional>
#include <ostream>
#include <string>

#include "common/DirectoryLock.h"

namespace corvane {

// What a command of corvane-cli gets from its process, so that tests can run one in-process.
struct CliContext {
    std::ostream& out;
    std::ostream& err;
    // Relative paths on the command line are taken from here.
    std::string workingDirectory;
    // Columns of the terminal standard error goes to; 0 when it is not a terminal, and then no
    // progress is shown.
    int terminalColumns = 0;
    // Set when the user asked to stop (Ctrl+C).
    const std::atomic<bool>& interrupted;
    // How long a write waits for another program writing in the base directory.
    LockWait lockWait = {};
    // Where --user-data finds the per-user folder: XDG_DATA_HOME (empty when unset) and HOME.
    std::string xdgDataHome;
    std::string home;
    // PATH, where a first start looks for openMSX.
    std::string searchPath = {};
    // Makes a folder the process's working directory; false when it cannot be entered. Only the
    // real process has one: a test running a command in-process keeps its own.
    std::function<bool(const std::string& directory)> enterDirectory = {};
};

}  // namespace corvane
