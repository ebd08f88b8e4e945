// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/ioctl.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <iostream>

#include "cli/CliContext.h"
#include "cli/CliProgram.h"
#include "cli/InterruptWatch.h"
#include "platform/Folders.h"
#include "platform/WorkingDirectory.h"

namespace {

// Progress goes to standard error only when a person watches it there.
int terminalColumns() {
    if (::isatty(STDERR_FILENO) == 0)
        return 0;
    winsize size{};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

}  // namespace

int main(int argc, char* argv[]) {
    // A file-size limit would kill the program in the middle of a write, leaving its temporary
    // file behind; ignored, the write fails and is reported and cleaned up like a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    const corvane::InterruptWatch watch;
    const char* xdgDataHome = std::getenv("XDG_DATA_HOME");
    const char* searchPath = std::getenv("PATH");
    const corvane::CliContext context{
        .out = std::cout,
        .err = std::cerr,
        .workingDirectory = corvane::workingDirectory(),
        .terminalColumns = terminalColumns(),
        .interrupted = watch.interrupted(),
        .xdgDataHome = xdgDataHome ? xdgDataHome : "",
        .home = corvane::homeFolder(),
        .searchPath = searchPath ? searchPath : "",
        .enterDirectory = corvane::setWorkingDirectory,
    };
    return corvane::runCommandLine({argv + 1, argv + argc}, context);
}
