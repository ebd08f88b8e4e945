// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace corvane {

// How long a writer waits for another one to finish.
struct LockWait {
    std::chrono::milliseconds timeout{std::chrono::seconds(5)};
    // Called once, when the lock is found taken, before the waiting starts.
    std::function<void()> whenBusy;
};

// Excludes every other writer of a folder's files, in this process and in others, for as long as
// it lives: an advisory lock (flock) on the folder itself. Files there are replaced by rename, so
// a lock on one of them would not exclude a writer that opened its successor; the folder stays
// the same object, and locking it leaves no file behind that could be taken for a database.
// A thread that holds the lock already takes it again at once, so an operation built of others
// that lock cannot wait on itself; other threads open their own descriptor and do wait.
class DirectoryLock {
public:
    enum class State {
        Held,
        Busy,    // another writer kept it for the whole wait
        Failed,  // the folder could not be opened
    };

    DirectoryLock(const std::string& directory, const LockWait& wait);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    State state() const { return state_; }
    bool held() const { return state_ == State::Held; }
    bool busy() const { return state_ == State::Busy; }

private:
    State state_ = State::Failed;
    // The folder, known again whatever path names it.
    unsigned long long device_ = 0;
    unsigned long long inode_ = 0;
};

}  // namespace corvane
