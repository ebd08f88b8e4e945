// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/Fifo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <mutex>
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
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    bool released = false;
    // The action runs on the calling thread, so it may use widgets; a watchdog frees it when it
    // is stuck. Opening a pipe for both reading and writing never waits, and it wakes whoever
    // waits to open the other end; closing it again lets a blocked read see the end of the data.
    std::thread watchdog([&] {
        std::unique_lock lock(mutex);
        if (ended.wait_for(lock, std::chrono::seconds(30), [&] { return done; }))
            return;
        released = true;
        do {
            for (const std::string& fifo : fifos) {
                const int fd = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0)
                    ::close(fd);
            }
        } while (!ended.wait_for(lock, std::chrono::milliseconds(50), [&] { return done; }));
    });
    struct Finish {
        std::mutex& mutex;
        std::condition_variable& ended;
        bool& done;
        std::thread& watchdog;
        ~Finish() {
            {
                std::lock_guard lock(mutex);
                done = true;
            }
            ended.notify_all();
            watchdog.join();
        }
    };
    {
        const Finish finish{mutex, ended, done, watchdog};
        action();
    }
    return !released;
}

}  // namespace corvane::test
