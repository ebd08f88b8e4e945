// SPDX-License-Identifier: GPL-3.0-or-later
#include "crash/ChildRun.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <stdexcept>

namespace corvane::crash {

namespace {

void writeAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            return;
        done += static_cast<size_t>(n);
    }
}

void sleepFor(double seconds) {
    timespec rest{
        static_cast<time_t>(seconds),
        static_cast<long>((seconds - static_cast<double>(static_cast<time_t>(seconds))) * 1e9)};
    while (::nanosleep(&rest, &rest) != 0 && errno == EINTR) {
    }
}

}  // namespace

ChildEnd runInChild(const std::function<std::string()>& work, std::optional<double> killAfter) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        throw std::runtime_error("cannot make a pipe");
    // Nothing buffered may be written twice, once by each process.
    std::fflush(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child < 0)
        throw std::runtime_error("cannot start a child process");
    if (child == 0) {
        ::close(pipeEnds[0]);
        writeAll(pipeEnds[1], work());
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    if (killAfter) {
        sleepFor(*killAfter);
        ::kill(child, SIGKILL);
    }
    ChildEnd end;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        end.message.append(buffer, static_cast<size_t>(n));
    }
    ::close(pipeEnds[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    end.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    end.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    end.exited = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return end;
}

}  // namespace corvane::crash
