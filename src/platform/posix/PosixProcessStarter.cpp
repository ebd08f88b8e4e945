// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/PosixProcessStarter.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#include "common/Path.h"

namespace corvane {

namespace {

class ArgumentVector {
public:
    ArgumentVector(const std::string& program, const std::vector<std::string>& arguments)
        : strings_(arguments) {
        strings_.insert(strings_.begin(), program);
        for (std::string& s : strings_)
            pointers_.push_back(s.data());
        pointers_.push_back(nullptr);
    }
    char* const* get() { return pointers_.data(); }

private:
    std::vector<std::string> strings_;
    std::vector<char*> pointers_;
};

class ErrorPipe {
public:
    ErrorPipe() { ok_ = ::pipe2(fds_, O_CLOEXEC) == 0; }
    ~ErrorPipe() {
        closeRead();
        closeWrite();
    }
    ErrorPipe(const ErrorPipe&) = delete;
    ErrorPipe& operator=(const ErrorPipe&) = delete;

    bool ok() const { return ok_; }
    int writeEnd() const { return fds_[1]; }
    void closeRead() { closeFd(fds_[0]); }
    void closeWrite() { closeFd(fds_[1]); }

    // End of file means every write end is gone without a report: exec succeeded.
    bool execSucceeded() {
        int error = 0;
        ssize_t got;
        do {
            got = ::read(fds_[0], &error, sizeof error);
        } while (got < 0 && errno == EINTR);
        return got == 0;
    }

private:
    static void closeFd(int& fd) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
    int fds_[2] = {-1, -1};
    bool ok_ = false;
};

void reportErrno(int fd) {
    const int error = errno;
    [[maybe_unused]] const ssize_t ignored = ::write(fd, &error, sizeof error);
}

// Runs in the child. exec keeps a blocked signal mask and ignored signals, and the launcher's own
// descriptors must not leak into the emulator.
[[noreturn]] void execChild(const char* path, char* const* argv, int errorFd) {
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::signal(SIGPIPE, SIG_DFL);
    if (::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) != 0) {
        // Kernels before 5.11 lack the flag: mark each descriptor by hand.
        const long limit = ::sysconf(_SC_OPEN_MAX);
        const int last = limit > 0 && limit < (1 << 20) ? static_cast<int>(limit) : (1 << 16);
        for (int fd = 3; fd < last; ++fd) {
            const int flags = ::fcntl(fd, F_GETFD);
            if (flags >= 0)
                ::fcntl(fd, F_SETFD, flags | FD_CLOEXEC);
        }
    }
    ::execv(path, argv);
    reportErrno(errorFd);
    ::_exit(127);
}

void waitFor(pid_t pid, int* status) {
    while (::waitpid(pid, status, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace

bool PosixProcessStarter::start(const std::string& program,
                                const std::vector<std::string>& arguments) {
    // Only an absolute path names the same file wherever the launcher runs; a bare name is never
    // searched in PATH, where an empty or relative entry would mean the working directory.
    if (!isAbsolutePath(program))
        return false;
    ArgumentVector argv(program, arguments);
    ErrorPipe pipe;
    if (!pipe.ok())
        return false;

    const pid_t middle = ::fork();
    if (middle < 0)
        return false;
    if (middle == 0) {
        // The grandchild is orphaned at once and adopted by init, which reaps it.
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild < 0) {
            reportErrno(pipe.writeEnd());
            ::_exit(127);
        }
        if (grandchild == 0)
            execChild(program.c_str(), argv.get(), pipe.writeEnd());
        ::_exit(0);
    }
    pipe.closeWrite();
    int status = 0;
    waitFor(middle, &status);
    return pipe.execSucceeded();
}

// The handlers of one starter. Without a post they run on the waiting threads, and the starter's
// end waits for those still running; with one they run on the posting thread, which is also the
// one that ends the starter, so a closed starter is seen there before any handler runs.
struct PosixProcessStarter::Reports {
    std::mutex mutex;
    std::condition_variable idle;
    bool closed = false;
    int running = 0;
    Post post;

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

    void close() {
        std::unique_lock lock(mutex);
        closed = true;
        idle.wait(lock, [this] { return running == 0; });
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

std::optional<int> PosixProcessStarter::run(const std::string& program,
                                            const std::vector<std::string>& arguments,
                                            std::optional<std::chrono::milliseconds> timeout) {
    if (!isAbsolutePath(program))
        return std::nullopt;
    ArgumentVector argv(program, arguments);
    ErrorPipe pipe;
    if (!pipe.ok())
        return std::nullopt;
    const int devNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (devNull < 0)
        return std::nullopt;

    const pid_t child = ::fork();
    if (child < 0) {
        ::close(devNull);
        return std::nullopt;
    }
    if (child == 0) {
        ::dup2(devNull, STDIN_FILENO);
        ::dup2(devNull, STDOUT_FILENO);
        execChild(program.c_str(), argv.get(), pipe.writeEnd());
    }
    ::close(devNull);
    pipe.closeWrite();
    int status = 0;
    if (!pipe.execSucceeded()) {
        waitFor(child, &status);
        return std::nullopt;
    }
    if (!timeout) {
        waitFor(child, &status);
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
            waitFor(child, &status);
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!WIFEXITED(status))
        return std::nullopt;
    return WEXITSTATUS(status);
}

}  // namespace corvane
