// SPDX-License-Identifier: GPL-3.0-or-later
#include "crash/ChildRun.h"

#include <poll.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <filesystem>
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

// Watches every folder under the folder for files made, written, renamed or removed.
int watchFolders(const Watch& watched) {
    if (watched.folder.empty() || !watched.name.empty())
        return -1;
    const int fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0)
        return -1;
    const uint32_t changes = IN_CREATE | IN_MODIFY | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE;
    ::inotify_add_watch(fd, watched.folder.c_str(), changes);
    std::error_code error;
    for (std::filesystem::recursive_directory_iterator it(watched.folder, error), end;
         !error && it != end; it.increment(error))
        if (it->is_directory(error))
            ::inotify_add_watch(fd, it->path().c_str(), changes);
    return fd;
}

// Empties the watch: true when it saw a change.
bool sawChange(int fd) {
    alignas(inotify_event) char events[16 * (sizeof(inotify_event) + NAME_MAX + 1)];
    bool seen = false;
    while (::read(fd, events, sizeof events) > 0)
        seen = true;
    return seen;
}

// Waits, busily so that the moment is not missed, until the file is there (or gone) or the child
// has ended: the wait for a watch to wake this process would outlast many a short write. False
// when the child ended; it is then reaped, with its status.
bool awaitFile(pid_t child, const std::string& path, bool there, int& status) {
    for (;;) {
        if ((::access(path.c_str(), F_OK) == 0) == there)
            return true;
        if (::waitpid(child, &status, WNOHANG) == child)
            return false;
    }
}

void killAt(pid_t child, double seconds) {
    sleepFor(seconds);
    ::kill(child, SIGKILL);
}

}  // namespace

ChildEnd runInChild(const std::function<std::string()>& work, const std::optional<KillMoment>& kill,
                    const Watch& watched) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        throw std::runtime_error("cannot make a pipe");
    // Nothing buffered may be written twice, once by each process.
    std::fflush(nullptr);
    int watch = watchFolders(watched);
    const bool killOnFile = kill && !kill->name.empty();
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child < 0)
        throw std::runtime_error("cannot start a child process");
    if (child == 0) {
        ::close(pipeEnds[0]);
        if (watch >= 0)
            ::close(watch);
        writeAll(pipeEnds[1], work());
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    ChildEnd end;
    int status = 0;
    bool reaped = false;
    const auto sinceFork = [&start] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    if (!watched.name.empty()) {
        const std::string file = watched.folder + "/" + watched.name;
        reaped = !awaitFile(child, file, true, status);
        if (!reaped)
            end.firstChange = sinceFork();
        reaped = reaped || !awaitFile(child, file, false, status);
        if (!reaped)
            end.watchedGone = sinceFork();
    }
    if (kill && !killOnFile)
        killAt(child, kill->seconds);
    else if (killOnFile && awaitFile(child, kill->folder + "/" + kill->name, true, status))
        killAt(child, kill->seconds);
    else
        reaped = reaped || killOnFile;
    char buffer[4096];
    for (;;) {
        pollfd ends[2] = {{pipeEnds[0], POLLIN, 0}, {watch, POLLIN, 0}};
        if (::poll(ends, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (watch >= 0 && (ends[1].revents & POLLIN) && sawChange(watch)) {
            end.firstChange = sinceFork();
            // Only the first change counts; watching on would slow the child it times.
            ::close(watch);
            watch = -1;
        }
        if (!(ends[0].revents & (POLLIN | POLLHUP)))
            continue;
        const ssize_t n = ::read(pipeEnds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        end.message.append(buffer, static_cast<size_t>(n));
    }
    ::close(pipeEnds[0]);
    if (watch >= 0)
        ::close(watch);
    while (!reaped && ::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    end.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    end.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    end.exited = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return end;
}

}  // namespace corvane::crash
