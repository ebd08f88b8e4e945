// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/PosixProcessStarter.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <future>
#include <mutex>
#include <system_error>
#include <thread>

#include "platform/SystemTool.h"
#include "platform/posix/ChildLaunch.h"
#include "platform/posix/ProgramWatch.h"

namespace corvane {

namespace {

// Enough to say why a program stopped, few enough to read in a message.
constexpr size_t kReportedLines = 10;

// What the watching thread needs from the thread that started the program.
struct WatchedChild {
    pid_t pid = -1;  // -1: the start failed and there is nothing to watch
    int errorOutput = -1;
    std::chrono::steady_clock::time_point deadline;
};

}  // namespace

bool PosixProcessStarter::start(const std::string& program,
                                const std::vector<std::string>& arguments) {
    return launchChild(program, arguments, {.detached = true, .ownSession = true}).has_value();
}

// The handlers of one starter. Without a post they run on the waiting threads, and the starter's
// end waits for those still running; with one they run on the posting thread, which is also the
// one that ends the starter, so a closed starter is seen there before any handler runs. The end
// also cuts the watches short, so that the programs' standard error goes to their relays while
// the launcher can still start them.
struct PosixProcessStarter::Reports {
    std::mutex mutex;
    std::condition_variable idle;
    bool closed = false;
    int running = 0;
    int watching = 0;
    Post post;
    // Closing the write end wakes every watch at once.
    int stopRead = -1;
    int stopWrite = -1;

    Reports() {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) == 0) {
            stopRead = fds[0];
            stopWrite = fds[1];
        }
    }
    ~Reports() {
        for (int fd : {stopRead, stopWrite}) {
            if (fd >= 0)
                ::close(fd);
        }
    }
    Reports(const Reports&) = delete;
    Reports& operator=(const Reports&) = delete;

    static void deliver(const std::shared_ptr<Reports>& self, std::function<void()> report) {
        std::unique_lock lock(self->mutex);
        if (self->closed)
            return;
        // Counted while it runs or is being posted, so the starter's end waits for it.
        ++self->running;
        const Post post = self->post;
        lock.unlock();
        if (post) {
            post([self, report = std::move(report)] {
                if (!self->isClosed())
                    report();
            });
        } else {
            report();
        }
        lock.lock();
        --self->running;
        self->idle.notify_all();
    }

    bool isClosed() {
        const std::lock_guard lock(mutex);
        return closed;
    }

    void watchEnded() {
        const std::lock_guard lock(mutex);
        --watching;
        idle.notify_all();
    }

    void close() {
        std::unique_lock lock(mutex);
        closed = true;
        if (stopWrite >= 0)
            ::close(stopWrite);
        stopWrite = -1;
        idle.wait(lock, [this] { return running == 0 && watching == 0; });
    }
};

PosixProcessStarter::PosixProcessStarter() : reports_(std::make_shared<Reports>()) {}

PosixProcessStarter::~PosixProcessStarter() {
    reports_->close();
}

void PosixProcessStarter::setReportPost(Post post) {
    const std::lock_guard lock(reports_->mutex);
    reports_->post = std::move(post);
}

void PosixProcessStarter::runInBackground(const std::string& program,
                                          const std::vector<std::string>& arguments,
                                          std::optional<std::chrono::milliseconds> timeout,
                                          ExitHandler done) {
    auto shared = std::make_shared<ExitHandler>(std::move(done));
    try {
        // Detached: a helper such as the desktop's file opener may run until the program it
        // opened is closed, and the launcher must be able to quit meanwhile.
        std::thread([reports = reports_, program, arguments, timeout, shared] {
            const std::optional<int> status = run(program, arguments, timeout);
            Reports::deliver(reports, [shared, status] { (*shared)(status); });
        }).detach();
    } catch (const std::system_error&) {
        Reports::deliver(reports_, [shared] { (*shared)(std::nullopt); });
    }
}

bool PosixProcessStarter::startWatched(const std::string& program,
                                       const std::vector<std::string>& arguments,
                                       std::chrono::milliseconds watch, WatchHandler done) {
    // Looked up here: the watching thread must not read the environment while another changes it.
    std::optional<std::string> relay = findSystemTool("cat");
    std::promise<WatchedChild> handoff;
    std::future<WatchedChild> started = handoff.get_future();
    {
        const std::lock_guard lock(reports_->mutex);
        ++reports_->watching;
    }
    try {
        // The thread exists before the program does: a program nobody waits for would stay a
        // zombie once it ended.
        std::thread([reports = reports_, started = std::move(started), relay = std::move(relay),
                     done = std::move(done)]() mutable {
            const WatchedChild child = started.get();
            if (child.pid < 0) {
                reports->watchEnded();
                return;
            }
            ProgramWatch watch(child.pid, child.errorOutput);
            watch.watch(child.deadline, reports->stopRead);
            watch.handOver(relay);
            reports->watchEnded();
            std::optional<EarlyExit> failure;
            if (watch.status().value_or(0) != 0)
                failure = EarlyExit{*watch.status(), watch.tail().lastLines(kReportedLines)};
            Reports::deliver(reports, [done = std::move(done), failure] { done(failure); });
            watch.finish();
        }).detach();
    } catch (const std::system_error&) {
        reports_->watchEnded();
        // Without a thread to watch it, the program is started as any other.
        return start(program, arguments);
    }

    WatchedChild child;
    int errorPipe[2];
    if (::pipe2(errorPipe, O_CLOEXEC) != 0) {
        handoff.set_value(child);
        return false;
    }
    const std::optional<pid_t> pid =
        launchChild(program, arguments, {.error = errorPipe[1], .ownSession = true});
    ::close(errorPipe[1]);
    if (!pid) {
        ::close(errorPipe[0]);
        handoff.set_value(child);
        return false;
    }
    child = {.pid = *pid,
             .errorOutput = errorPipe[0],
             .deadline = std::chrono::steady_clock::now() + watch};
    handoff.set_value(child);
    return true;
}

std::optional<int> PosixProcessStarter::run(const std::string& program,
                                            const std::vector<std::string>& arguments,
                                            std::optional<std::chrono::milliseconds> timeout) {
    const int devNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (devNull < 0)
        return std::nullopt;
    const std::optional<pid_t> started =
        launchChild(program, arguments, {.input = devNull, .output = devNull});
    ::close(devNull);
    if (!started)
        return std::nullopt;
    const pid_t child = *started;
    int status = 0;
    if (!timeout) {
        waitForChild(child, &status);
        return WIFEXITED(status) ? std::optional<int>(WEXITSTATUS(status)) : std::nullopt;
    }
    const auto deadline = std::chrono::steady_clock::now() + *timeout;
    for (;;) {
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child)
            break;
        if (done < 0 && errno != EINTR)
            return std::nullopt;
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(child, SIGKILL);
            waitForChild(child, &status);
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!WIFEXITED(status))
        return std::nullopt;
    return WEXITSTATUS(status);
}

}  // namespace corvane
