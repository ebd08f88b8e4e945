// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RecordingStarter.h"

namespace corvane::test {

bool RecordingStarter::start(const std::string& program,
                             const std::vector<std::string>& arguments) {
    started.push_back({program, arguments, false, std::nullopt});
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

}  // namespace corvane::test
