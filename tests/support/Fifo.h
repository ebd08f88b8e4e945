// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace corvane::test {

// Creates a named pipe at path and returns the path; throws when it cannot.
std::string makeFifo(const std::string& path);

// Runs action on this thread and tells whether it ended by itself. An action that still runs after
// a generous wait is taken to be stuck on one of the pipes: they are then opened from this side,
// again and again, until it ends, and the answer is false. So a fault fails the test instead of
// hanging it.
bool endsWithoutWaitingOn(const std::vector<std::string>& fifos,
                          const std::function<void()>& action);

// Lets go of a program waiting to open the pipe for reading, without waiting itself: the program
// goes on and reads the end of the data.
void releaseReaders(const std::string& fifo);

// releaseReaders for each pipe when the scope ends, however it ends, so that a failed check
// leaves no program of the test waiting for ever.
class ReleaseOnExit {
public:
    explicit ReleaseOnExit(std::vector<std::string> fifos) : fifos_(std::move(fifos)) {}
    ~ReleaseOnExit();
    ReleaseOnExit(const ReleaseOnExit&) = delete;
    ReleaseOnExit& operator=(const ReleaseOnExit&) = delete;

private:
    std::vector<std::string> fifos_;
};

}  // namespace corvane::test
