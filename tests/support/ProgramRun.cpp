// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ProgramRun.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace corvane::test {

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    void reset(int fd) {
        close();
        fd_ = fd;
    }
    int release() { return std::exchange(fd_, -1); }
    void close() {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

void makePipe(Descriptor& read, Descriptor& write) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    read.reset(fds[0]);
    write.reset(fds[1]);
}

// A pseudo-terminal: the master end stays here, the slave end becomes the program's output.
void makeTerminal(int columns, Descriptor& master, Descriptor& slave) {
    master.reset(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (master.get() < 0 || ::grantpt(master.get()) != 0 || ::unlockpt(master.get()) != 0)
        throw std::runtime_error("no pseudo-terminal");
    const char* name = ::ptsname(master.get());
    slave.reset(name ? ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC) : -1);
    if (slave.get() < 0)
        throw std::runtime_error("cannot open the pseudo-terminal");
    winsize size{};
    size.ws_col = static_cast<unsigned short>(columns);
    size.ws_row = 24;
    ::ioctl(master.get(), TIOCSWINSZ, &size);
}

// Reads both until each is at its end; a terminal whose other end closed reports EIO.
void drain(int outFd, int errFd, ProgramOutput& output) {
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* targets[2] = {&output.out, &output.err};
    int open = 2;
    char buffer[4096];
    while (open > 0) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            throw std::runtime_error("poll failed");
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                targets[i]->append(buffer, static_cast<size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

}  // namespace

RunningProgram::RunningProgram(const std::string& program,
                               const std::vector<std::string>& arguments,
                               const ProgramStart& start) {
    Descriptor outRead, outWrite, errRead, errWrite;
    makePipe(outRead, outWrite);
    if (start.terminalColumns > 0)
        makeTerminal(start.terminalColumns, errRead, errWrite);
    else
        makePipe(errRead, errWrite);
    const Descriptor input(::open("/dev/null", O_RDONLY | O_CLOEXEC));

    // Everything the child needs is made before fork: between fork and exec it may only call
    // what is safe in a signal handler.
    std::vector<std::string> strings = arguments;
    strings.insert(strings.begin(), program);
    std::vector<char*> argv;
    for (std::string& s : strings)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    sigset_t interrupt;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGINT);

    const pid_t child = ::fork();
    if (child < 0)
        throw std::runtime_error("fork failed");
    if (child == 0) {
        if (::chdir(start.workingDirectory.c_str()) != 0 || ::dup2(input.get(), 0) < 0 ||
            ::dup2(outWrite.get(), 1) < 0 || ::dup2(errWrite.get(), 2) < 0)
            ::_exit(126);
        if (start.interruptWaiting) {
            // Whatever the tests inherited, the program is to receive it.
            struct sigaction defaultAction {};
            defaultAction.sa_handler = SIG_DFL;
            ::sigaction(SIGINT, &defaultAction, nullptr);
            ::sigprocmask(SIG_BLOCK, &interrupt, nullptr);
            ::kill(::getpid(), SIGINT);
        }
        if (start.fileSizeLimit > 0) {
            struct sigaction defaultAction {};
            defaultAction.sa_handler = SIG_DFL;
            const rlimit bytes{static_cast<rlim_t>(start.fileSizeLimit),
                               static_cast<rlim_t>(start.fileSizeLimit)};
            if (::sigaction(SIGXFSZ, &defaultAction, nullptr) != 0 ||
                ::setrlimit(RLIMIT_FSIZE, &bytes) != 0)
                ::_exit(126);
        }
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    child_ = child;
    outWrite.close();
    errWrite.close();
    out_ = outRead.release();
    err_ = errRead.release();
}

RunningProgram::~RunningProgram() {
    // A test that stopped early must not leave the program behind.
    try {
        finish();
    } catch (const std::exception&) {
    }
}

bool RunningProgram::waitForError(const std::string& text) {
    char buffer[4096];
    while (output_.err.find(text) == std::string::npos) {
        const ssize_t got = ::read(err_, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        output_.err.append(buffer, static_cast<size_t>(got));
    }
    return true;
}

ProgramOutput RunningProgram::finish() {
    if (child_ <= 0)
        return output_;
    drain(out_, err_, output_);
    ::close(out_);
    ::close(err_);
    int status = 0;
    while (::waitpid(child_, &status, 0) < 0)
        if (errno != EINTR)
            throw std::runtime_error("waitpid failed");
    child_ = -1;
    if (WIFEXITED(status))
        output_.status = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        output_.signal = WTERMSIG(status);
    return output_;
}

ProgramOutput runProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const ProgramStart& start) {
    return RunningProgram(program, arguments, start).finish();
}

}  // namespace corvane::test
