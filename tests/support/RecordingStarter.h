// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/ProcessStarter.h"

namespace corvane::test {

// Records what would be started. A start answers startResult; a helper run in the background
// waits in pending until finish() gives its exit status, and a watch in watches until endWatch().
class RecordingStarter : public ProcessStarter {
public:
    struct Started {
        std::string program;
        std::vector<std::string> arguments;
        bool waited;
        std::optional<std::chrono::milliseconds> timeout;
    };

    bool start(const std::string& program, const std::vector<std::string>& arguments) override;
    void runInBackground(const std::string& program, const std::vector<std::string>& arguments,
                         std::optional<std::chrono::milliseconds> timeout,
                         ExitHandler done) override;
    bool startWatched(const std::string& program, const std::vector<std::string>& arguments,
                      std::chrono::milliseconds watch, WatchHandler done) override;
    void setReportPost(Post post) override { this->post = std::move(post); }
    // Ends the oldest pending helper with the status (none: it could not be started).
    void finish(std::optional<int> status);
    // Ends the oldest watch, with what a failed program left or none.
    void endWatch(std::optional<EarlyExit> failure);

    std::vector<Started> started;
    bool startResult = true;
    std::deque<ExitHandler> pending;
    std::deque<WatchHandler> watches;
    Post post;
};

}  // namespace corvane::test
