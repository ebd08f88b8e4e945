// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/ProgramWatch.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/posix/ChildLaunch.h"

namespace corvane {

namespace {

// Polled in slices where the kernel cannot signal the end of a process through a descriptor.
constexpr std::chrono::milliseconds kPollSlice{50};

int openExitEvents(pid_t pid) {
#ifdef SYS_pidfd_open
    return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#else
    (void)pid;
    return -1;
#endif
}

void forward(const char* bytes, size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(STDERR_FILENO, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        bytes += written;
        size -= static_cast<size_t>(written);
    }
}

void setBlocking(int fd, bool blocking) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, blocking ? flags & ~O_NONBLOCK : flags | O_NONBLOCK);
}

}  // namespace

ProgramWatch::ProgramWatch(pid_t pid, int errorOutput)
    : pid_(pid), output_(errorOutput), exitEvents_(openExitEvents(pid)) {
    // A launcher whose own standard error is a closed pipe must not be killed for writing to it.
    sigset_t pipeSignal;
    ::sigemptyset(&pipeSignal);
    ::sigaddset(&pipeSignal, SIGPIPE);
    ::pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
    setBlocking(output_, false);
}

ProgramWatch::~ProgramWatch() {
    closeOutput();
    if (exitEvents_ >= 0)
        ::close(exitEvents_);
}

void ProgramWatch::watch(std::chrono::steady_clock::time_point deadline, int stop) {
    for (;;) {
        reapIfEnded();
        if (reaped_)
            break;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        pollfd fds[3];
        nfds_t count = 0;
        const auto add = [&](int fd) {
            if (fd >= 0)
                fds[count++] = {.fd = fd, .events = POLLIN, .revents = 0};
        };
        add(stop);
        add(output_);
        add(exitEvents_);
        const auto wait = exitEvents_ >= 0 ? left : std::min(left, kPollSlice);
        if (::poll(fds, count, static_cast<int>(wait.count())) < 0 && errno != EINTR)
            break;
        if (stop >= 0 && fds[0].revents != 0)
            break;
        const int outputIndex = stop >= 0 ? 1 : 0;
        if (output_ >= 0 && fds[outputIndex].revents != 0 && !drain())
            closeOutput();
    }
    // What it wrote before it ended is all in the pipe by now.
    if (reaped_ && output_ >= 0 && !drain())
        closeOutput();
}

bool ProgramWatch::drain() {
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(output_, buffer, sizeof buffer);
        if (got > 0) {
            forward(buffer, static_cast<size_t>(got));
            tail_.add({buffer, static_cast<size_t>(got)});
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        return got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
}

void ProgramWatch::reapIfEnded() {
    if (reaped_)
        return;
    int status = 0;
    const pid_t result = waitForChild(pid_, &status, WNOHANG);
    if (result == 0)
        return;
    reaped_ = true;
    if (result != pid_)
        return;  // reaped elsewhere: nothing is known of how it ended
    if (WIFEXITED(status))
        status_ = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        status_ = 128 + WTERMSIG(status);
}

bool ProgramWatch::handOver(const std::optional<std::string>& relay) {
    if (output_ < 0)
        return true;
    if (!relay)
        return false;
    // The relay shares the open pipe and must wait for data, not find none.
    setBlocking(output_, true);
    if (!launchChild(
            *relay, {},
            {.input = output_, .output = STDERR_FILENO, .detached = true, .ownSession = true}))
        return false;
    closeOutput();
    return true;
}

void ProgramWatch::finish() {
    if (output_ >= 0) {
        setBlocking(output_, true);
        char buffer[4096];
        for (;;) {
            const ssize_t got = ::read(output_, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                break;
            forward(buffer, static_cast<size_t>(got));
        }
        closeOutput();
    }
    if (!reaped_) {
        int status = 0;
        waitForChild(pid_, &status);
        reaped_ = true;
    }
}

void ProgramWatch::closeOutput() {
    if (output_ >= 0)
        ::close(output_);
    output_ = -1;
}

}  // namespace corvane
