// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/InterruptWatch.h"

namespace corvane {

namespace {

// A signal handler can reach nothing else: this is the one flag it sets.
std::atomic<bool> interruptedFlag{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void onInterrupt(int) {
    interruptedFlag.store(true);
}

}  // namespace

InterruptWatch::InterruptWatch() {
    interruptedFlag.store(false);
    struct sigaction current {};
    ::sigaction(SIGINT, nullptr, &current);
    // Started in the background by a shell without job control: Ctrl+C is not meant for us.
    if (current.sa_handler == SIG_IGN)
        return;
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    // Reads and waits go on after the handler; the run notices the flag at its next poll. The
    // handler then gives way to the default, so a second Ctrl+C is not ignored by a stuck run.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    installed_ = ::sigaction(SIGINT, &action, &previous_) == 0;
    if (!installed_)
        return;
    // A program started with SIGINT blocked (exec keeps the mask) would never hear Ctrl+C.
    sigset_t interrupt;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGINT);
    ::pthread_sigmask(SIG_UNBLOCK, &interrupt, &previousMask_);
}

InterruptWatch::~InterruptWatch() {
    if (!installed_)
        return;
    ::pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
    ::sigaction(SIGINT, &previous_, nullptr);
}

const std::atomic<bool>& InterruptWatch::interrupted() const {
    return interruptedFlag;
}

}  // namespace corvane
