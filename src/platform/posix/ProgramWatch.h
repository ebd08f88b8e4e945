// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>

#include "platform/OutputTail.h"

namespace corvane {

// The first moments of a started program, on a thread of the launcher's: what it writes on its
// standard error goes on to the launcher's own while its end is kept, and an early end is seen
// at once. Afterwards the program's standard error must go on being read for as long as it runs,
// or the program would stop on a full pipe.
class ProgramWatch {
public:
    // Takes over the read end of the program's standard error.
    ProgramWatch(pid_t pid, int errorOutput);
    ~ProgramWatch();
    ProgramWatch(const ProgramWatch&) = delete;
    ProgramWatch& operator=(const ProgramWatch&) = delete;

    // Returns when the program has ended, the deadline has passed, or stop (a pipe's read end,
    // -1 for none) reports its write end closed.
    void watch(std::chrono::steady_clock::time_point deadline, int stop);
    // The exit status when the program ended during the watch: 128 plus the signal's number when
    // a signal ended it.
    std::optional<int> status() const { return status_; }
    const OutputTail& tail() const { return tail_; }

    // Gives the standard error still open to relay (a program that copies its input to its
    // output, started detached), which goes on after the launcher has ended. False when there is
    // no relay or it could not start; finish then keeps reading here.
    bool handOver(const std::optional<std::string>& relay);
    // Reads what is left until the program closes its standard error, and waits for a program
    // still running so that it leaves no zombie. Blocks for as long as the program runs.
    void finish();

private:
    // Reads what is there now; false at the end of the stream.
    bool drain();
    void reapIfEnded();
    void closeOutput();

    pid_t pid_;
    int output_;
    int exitEvents_ = -1;  // becomes readable when the program ends; -1 where unsupported
    bool reaped_ = false;
    std::optional<int> status_;
    OutputTail tail_;
};

}  // namespace corvane
