// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

#include "platform/ProcessStarter.h"

namespace corvane::test {

// The tasks a window thread would run, queued by a process starter from its waiting threads.
class TaskQueue {
public:
    ProcessStarter::Post post() {
        return [this](std::function<void()> task) {
            const std::lock_guard lock(mutex_);
            tasks_.push_back(std::move(task));
            arrived_.notify_all();
        };
    }
    // Waits for the next task (bounded, so a lost report fails instead of hanging).
    std::function<void()> next() {
        std::unique_lock lock(mutex_);
        if (!arrived_.wait_for(lock, std::chrono::seconds(30), [this] { return !tasks_.empty(); }))
            return {};
        std::function<void()> task = std::move(tasks_.front());
        tasks_.pop_front();
        return task;
    }
    bool empty() {
        const std::lock_guard lock(mutex_);
        return tasks_.empty();
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<std::function<void()>> tasks_;
};

}  // namespace corvane::test
