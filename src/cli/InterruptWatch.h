// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <signal.h>

#include <atomic>

namespace corvane {

// Turns the first Ctrl+C (SIGINT) into a flag that a long run polls, so that it can stop
// cleanly; a second one ends the process at once. While one object lives; the previous
// handling comes back when it goes.
class InterruptWatch {
public:
    InterruptWatch();
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    const std::atomic<bool>& interrupted() const;

private:
    bool installed_ = false;
    struct sigaction previous_ {};
    sigset_t previousMask_{};
};

}  // namespace corvane
