// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "emulator/SoftwareIndex.h"

namespace corvane {

// Builds a software index on a worker thread, so that large software databases never hold the
// window up. A worker reads only the sources it was given and writes only into its own job; the
// owner takes the finished index on its own thread, which alone calls the public functions. A
// new start supersedes the build still running: its result is never taken.
class SoftwareIndexBuild {
public:
    struct Result {
        SoftwareIndex index;
        bool noDatabases = false;  // the user is owed M_ERR_NO_CORVANE_DB
    };

    SoftwareIndexBuild() = default;
    // Stops the builds still running and waits for their threads: none outlives the object.
    ~SoftwareIndexBuild();
    SoftwareIndexBuild(const SoftwareIndexBuild&) = delete;
    SoftwareIndexBuild& operator=(const SoftwareIndexBuild&) = delete;

    // Called on the worker's thread when the current build has ended; it should only arrange for
    // the owner's thread to take the result. Once this returns, the previous listener is neither
    // running nor called again.
    void setListener(std::function<void()> listener);

    void start(SoftwareSources sources);
    // A build was started whose result has not been taken yet.
    bool pending() const { return current_ != nullptr; }
    // Waits at most timeout for the pending build; true once it has ended or none is pending.
    bool waitFor(std::chrono::milliseconds timeout) const;
    // The pending build's result once it has ended; nothing while it runs or once taken.
    std::optional<Result> take();

private:
    struct Job;
    void run(Job& job);
    // Joins the threads whose build has ended.
    void reapEnded();

    std::mutex listenerMutex_;
    std::function<void()> listener_;
    std::shared_ptr<Job> current_;
    std::vector<std::pair<std::shared_ptr<Job>, std::thread>> workers_;
};

}  // namespace corvane
