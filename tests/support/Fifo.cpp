// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/Fifo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <future>
#include <stdexcept>
#include <thread>

namespace corvane::test {

std::string makeFifo(const std::string& path) {
    if (::mkfifo(path.c_str(), 0600) != 0)
        throw std::runtime_error("cannot make the pipe " + path);
    return path;
}

bool endsWithoutWaitingOn(const std::vector<std::string>& fifos,
                          const std::function<void()>& action) {
    // A writer released below would otherwise be killed for writing into a pipe nobody reads.
    std::signal(SIGPIPE, SIG_IGN);
    // The action runs on this thread (widgets must), watched by a second one.
    std::promise<void> finished;
    std::future<void> done = finished.get_future();
    std::atomic<bool> stuck{false};
    std::thread watchdog([&] {
        if (done.wait_for(std::chrono::seconds(30)) == std::future_status::ready)
            return;
        stuck = true;
        // Opening a pipe for both reading and writing never waits, and it wakes whoever waits
        // to open the other end; closing it again lets a blocked read see the end of the data.
        do {
            for (const std::string& fifo : fifos) {
                const int fd = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0)
                    ::close(fd);
            }
        } while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready);
    });
    try {
        action();
    } catch (...) {
        finished.set_value();
        watchdog.join();
        throw;
    }
    finished.set_value();
    watchdog.join();
    return !stuck;
}

void releaseReaders(const std::string& fifo) {
    // A reader waiting in open wakes when a writer has come, even one already gone.
    const int fd = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0)
        ::close(fd);
}

ReleaseOnExit::~ReleaseOnExit() {
    for (const std::string& fifo : fifos_)
        releaseReaders(fifo);
}

}  // namespace corvane::test
