// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace corvane::test {

// How a program is started by runProgram.
struct ProgramStart {
    std::string workingDirectory;
    // Standard error goes to a terminal of this many columns (a pseudo-terminal) instead of a
    // pipe; 0 for a pipe.
    int terminalColumns = 0;
    // The program starts with a Ctrl+C (SIGINT) already waiting for it: blocked, and pending,
    // which exec keeps. A program that unblocks it receives it at once.
    bool interruptWaiting = false;
    // Files cannot grow past this many bytes (RLIMIT_FSIZE), with SIGXFSZ at its default: a
    // program that does not ignore it is killed by its first write beyond. 0 for no limit.
    long fileSizeLimit = 0;
};

struct ProgramOutput {
    // The exit status; -1 when a signal ended the program.
    int status = -1;
    int signal = 0;  // the signal that ended it
    std::string out;
    // What reached standard error: through a terminal, line ends read as CR LF.
    std::string err;
};

// A program started and left running, so that a test can tell from its standard error where it
// is before it lets another program go on.
class RunningProgram {
public:
    RunningProgram(const std::string& program, const std::vector<std::string>& arguments,
                   const ProgramStart& start);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // Reads standard error until it holds text; false when the program closed it before.
    bool waitForError(const std::string& text);
    // Waits until the program has ended and both its outputs are closed.
    ProgramOutput finish();

private:
    pid_t child_ = -1;
    int out_ = -1;
    int err_ = -1;
    ProgramOutput output_;
};

// Runs program with arguments, no shell in between, and waits until it has ended and both its
// outputs are closed. Standard input reads nothing.
ProgramOutput runProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const ProgramStart& start);

}  // namespace corvane::test
