// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <string>

namespace corvane::test {

// Another process that holds a folder's writer lock: once constructed, the child holds it and
// keeps it until release(), with no timing involved: it says through a pipe that it holds the
// lock, and waits on another pipe for the word to let go.
class LockingProcess {
public:
    explicit LockingProcess(const std::string& directory);
    ~LockingProcess();
    LockingProcess(const LockingProcess&) = delete;
    LockingProcess& operator=(const LockingProcess&) = delete;

    // Lets go of the lock and waits until the child has ended. True when it had held it.
    bool release();

private:
    pid_t child_ = -1;
    int releaseWrite_ = -1;
    bool held_ = false;
};

}  // namespace corvane::test
