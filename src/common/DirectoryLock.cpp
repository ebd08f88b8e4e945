// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DirectoryLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>
#include <vector>

namespace corvane {

namespace {

struct HeldFolder {
    unsigned long long device;
    unsigned long long inode;
    int fd;
    int depth;
};

// The folders this thread holds. flock belongs to an open file description, so a second
// descriptor of the same thread would wait for the first forever.
thread_local std::vector<HeldFolder> heldByThisThread;

HeldFolder* heldEntry(unsigned long long device, unsigned long long inode) {
    const auto it = std::ranges::find_if(heldByThisThread, [&](const HeldFolder& held) {
        return held.device == device && held.inode == inode;
    });
    return it == heldByThisThread.end() ? nullptr : &*it;
}

bool tryLock(int fd) {
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        if (errno != EINTR)
            return false;
    return true;
}

}  // namespace

DirectoryLock::DirectoryLock(const std::string& directory, const LockWait& wait) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        ::close(fd);
        return;
    }
    device_ = status.st_dev;
    inode_ = status.st_ino;
    if (HeldFolder* held = heldEntry(device_, inode_)) {
        ::close(fd);
        ++held->depth;
        state_ = State::Held;
        return;
    }
    if (!tryLock(fd)) {
        if (errno != EWOULDBLOCK) {
            ::close(fd);
            return;
        }
        if (wait.whenBusy)
            wait.whenBusy();
        // Polled rather than blocked on, so that the wait has an end; short steps keep the
        // writer quick once the other one is done.
        constexpr std::chrono::milliseconds kStep{25};
        const auto deadline = std::chrono::steady_clock::now() + wait.timeout;
        bool locked = false;
        for (auto now = std::chrono::steady_clock::now(); !locked && now < deadline;
             now = std::chrono::steady_clock::now()) {
            std::this_thread::sleep_for(std::min<std::chrono::nanoseconds>(kStep, deadline - now));
            locked = tryLock(fd);
        }
        if (!locked) {
            ::close(fd);
            state_ = State::Busy;
            return;
        }
    }
    heldByThisThread.push_back({device_, inode_, fd, 1});
    state_ = State::Held;
}

DirectoryLock::~DirectoryLock() {
    if (state_ != State::Held)
        return;
    HeldFolder* held = heldEntry(device_, inode_);
    if (held == nullptr || --held->depth > 0)
        return;
    // Closing the only descriptor of the open file releases the lock.
    ::close(held->fd);
    std::erase_if(heldByThisThread, [](const HeldFolder& h) { return h.depth == 0; });
}

}  // namespace corvane
