// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RecordingStarter.h"

namespace corvane::test {

bool RecordingStarter::start(const std::string& program,
                             const std::vector<std::string>& arguments) {
    started.push_back({program, arguments, false, std::nullopt});
    return startResult;
}

bool RecordingStarter::startWatched(const std::string& program,
                                    const std::vector<std::string>& arguments,
                                    std::chrono::milliseconds, WatchHandler done) {
    started.push_back({program, arguments, false, std::nullopt});
    if (startResult)
        watches.push_back(std::move(done));
    return startResult;
}

void RecordingStarter::runInBackground(const std::string& program,
                                       const std::vector<std::string>& arguments,
                                       std::optional<std::chrono::milliseconds> timeout,
                                       ExitHandler done) {
    started.push_back({program, arguments, true, timeout});
    pending.push_back(std::move(done));
}

void RecordingStarter::finish(std::optional<int> status) {
    ExitHandler done = std::move(pending.front());
    pending.pop_front();
    done(status);
}

void RecordingStarter::endWatch(std::optional<EarlyExit> failure) {
    WatchHandler done = std::move(watches.front());
    watches.pop_front();
    done(std::move(failure));
}

}  // namespace corvane::test
