// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "platform/ProcessStarter.h"

namespace corvane {

// fork and exec: a double fork detaches started programs. A helper run in the background, and a
// watched program, are waited for by a detached thread of their own; after its watch a program's
// standard error is copied on to the launcher's by a relay (cat) that outlives the launcher.
class PosixProcessStarter : public ProcessStarter {
public:
    PosixProcessStarter();
    // Waits for a handler that is running on a helper's thread, and ends the watches early;
    // afterwards no handler runs.
    ~PosixProcessStarter() override;
    PosixProcessStarter(const PosixProcessStarter&) = delete;
    PosixProcessStarter& operator=(const PosixProcessStarter&) = delete;

    bool start(const std::string& program, const std::vector<std::string>& arguments) override;
    void runInBackground(const std::string& program, const std::vector<std::string>& arguments,
                         std::optional<std::chrono::milliseconds> timeout,
                         ExitHandler done) override;
    bool startWatched(const std::string& program, const std::vector<std::string>& arguments,
                      std::chrono::milliseconds watch, WatchHandler done) override;
    void setReportPost(Post post) override;

    // Runs a helper and waits for it on the calling thread. The exit status as for
    // runInBackground.
    static std::optional<int> run(const std::string& program,
                                  const std::vector<std::string>& arguments,
                                  std::optional<std::chrono::milliseconds> timeout);

private:
    // Shared with the waiting threads, which outlive the starter.
    struct Reports;
    std::shared_ptr<Reports> reports_;
};

}  // namespace corvane
