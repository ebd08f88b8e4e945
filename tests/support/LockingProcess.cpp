// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/LockingProcess.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "common/DirectoryLock.h"

namespace corvane::test {

LockingProcess::LockingProcess(const std::string& directory) {
    int held[2];
    int release[2];
    if (::pipe2(held, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    if (::pipe2(release, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    child_ = ::fork();
    if (child_ < 0)
        throw std::runtime_error("fork failed");
    if (child_ == 0) {
        ::close(held[0]);
        ::close(release[1]);
        const DirectoryLock lock(directory, {.timeout = std::chrono::minutes(1), .whenBusy = {}});
        const char state = lock.held() ? 'h' : 'n';
        if (::write(held[1], &state, 1) != 1)
            ::_exit(1);
        char word = 0;
        // Also at the end of the pipe: a parent that died must not leave the lock taken.
        while (::read(release[0], &word, 1) < 0 && errno == EINTR) {
        }
        ::_exit(0);  // the lock goes with the process
    }
    ::close(held[1]);
    ::close(release[0]);
    releaseWrite_ = release[1];
    char state = 0;
    ssize_t got = 0;
    while ((got = ::read(held[0], &state, 1)) < 0 && errno == EINTR) {
    }
    ::close(held[0]);
    held_ = got == 1 && state == 'h';
}

bool LockingProcess::release() {
    if (child_ < 0)
        return false;
    const char word = 'r';
    const bool told = ::write(releaseWrite_, &word, 1) == 1;
    ::close(releaseWrite_);
    int status = 0;
    while (::waitpid(child_, &status, 0) < 0 && errno == EINTR) {
    }
    child_ = -1;
    return told && held_ && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

LockingProcess::~LockingProcess() {
    release();
}

}  // namespace corvane::test
