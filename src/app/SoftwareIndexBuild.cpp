// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SoftwareIndexBuild.h"

#include <atomic>
#include <condition_variable>

namespace corvane {

struct SoftwareIndexBuild::Job {
    explicit Job(SoftwareSources from) : sources(std::move(from)) {}

    const SoftwareSources sources;
    std::atomic<bool> stop{false};
    mutable std::mutex mutex;
    mutable std::condition_variable ended;
    // Under mutex; the result is there once the build has ended, unless it was stopped.
    bool done = false;
    std::optional<Result> result;
};

SoftwareIndexBuild::~SoftwareIndexBuild() {
    setListener({});
    for (auto& [job, thread] : workers_)
        job->stop = true;
    // A stopped build still finishes the file the parser is reading.
    for (auto& [job, thread] : workers_)
        thread.join();
}

void SoftwareIndexBuild::setListener(std::function<void()> listener) {
    std::lock_guard lock(listenerMutex_);
    listener_ = std::move(listener);
}

void SoftwareIndexBuild::start(SoftwareSources sources) {
    reapEnded();
    if (current_)
        current_->stop = true;
    current_ = std::make_shared<Job>(std::move(sources));
    workers_.reserve(workers_.size() + 1);
    workers_.emplace_back(current_, std::thread([this, job = current_] { run(*job); }));
}

void SoftwareIndexBuild::run(Job& job) {
    Result result;
    const IndexOutcome outcome = result.index.build(job.sources, job.stop);
    result.noDatabases = outcome == IndexOutcome::NoDatabases;
    {
        std::lock_guard lock(job.mutex);
        if (outcome != IndexOutcome::Stopped)
            job.result = std::move(result);
        job.done = true;
    }
    job.ended.notify_all();
    std::lock_guard lock(listenerMutex_);
    if (listener_ && !job.stop)
        listener_();
}

bool SoftwareIndexBuild::waitFor(std::chrono::milliseconds timeout) const {
    if (!current_)
        return true;
    Job& job = *current_;
    std::unique_lock lock(job.mutex);
    return job.ended.wait_for(lock, timeout, [&job] { return job.done; });
}

std::optional<SoftwareIndexBuild::Result> SoftwareIndexBuild::take() {
    if (!current_)
        return std::nullopt;
    std::optional<Result> result;
    {
        std::lock_guard lock(current_->mutex);
        if (!current_->done)
            return std::nullopt;
        result = std::move(current_->result);
    }
    current_.reset();
    reapEnded();
    return result;
}

void SoftwareIndexBuild::reapEnded() {
    std::erase_if(workers_, [](std::pair<std::shared_ptr<Job>, std::thread>& worker) {
        bool done = false;
        {
            std::lock_guard lock(worker.first->mutex);
            done = worker.first->done;
        }
        // An ended build's thread is at most telling its listener.
        if (done)
            worker.second.join();
        return done;
    });
}

}  // namespace corvane
