// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/ChildLaunch.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

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
// descriptors must not leak into the program.
[[noreturn]] void execChild(const char* path, char* const* argv, const ChildSetup& setup,
                            int errorFd) {
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::signal(SIGPIPE, SIG_DFL);
    if (setup.input >= 0)
        ::dup2(setup.input, STDIN_FILENO);
    if (setup.output >= 0)
        ::dup2(setup.output, STDOUT_FILENO);
    if (setup.error >= 0)
        ::dup2(setup.error, STDERR_FILENO);
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

}  // namespace

pid_t waitForChild(pid_t pid, int* status, int options) {
    pid_t result;
    do {
        result = ::waitpid(pid, status, options);
    } while (result < 0 && errno == EINTR);
    return result;
}

std::optional<pid_t> launchChild(const std::string& program,
                                 const std::vector<std::string>& arguments,
                                 const ChildSetup& setup) {
    // Only an absolute path names the same file wherever the launcher runs; a bare name is never
    // searched in PATH, where an empty or relative entry would mean the working directory.
    if (!isAbsolutePath(program))
        return std::nullopt;
    ArgumentVector argv(program, arguments);
    ErrorPipe pipe;
    if (!pipe.ok())
        return std::nullopt;

    const pid_t child = ::fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        if (setup.ownSession)
            ::setsid();
        if (setup.detached) {
            const pid_t grandchild = ::fork();
            if (grandchild < 0) {
                reportErrno(pipe.writeEnd());
                ::_exit(127);
            }
            if (grandchild != 0)
                ::_exit(0);
        }
        execChild(program.c_str(), argv.get(), setup, pipe.writeEnd());
    }
    pipe.closeWrite();
    int status = 0;
    if (setup.detached) {
        waitForChild(child, &status);
        return pipe.execSucceeded() ? std::optional<pid_t>(0) : std::nullopt;
    }
    if (!pipe.execSucceeded()) {
        waitForChild(child, &status);
        return std::nullopt;
    }
    return child;
}

}  // namespace corvane
