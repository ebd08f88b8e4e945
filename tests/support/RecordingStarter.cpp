// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RecordingStarter.h"

namespace corvane::test {

bool RecordingStarter::start(const std::string& program,
                             const std::vector<std::string>& arguments) {
    started.push_back({program, arguments, false});
    return startResult;
}

std::optional<int> RecordingStarter::run(const std::string& program,
                                         const std::vector<std::string>& arguments,
                                         std::chrono::milliseconds) {
    started.push_back({program, arguments, true});
    if (runResults.empty())
        return std::nullopt;
    const std::optional<int> result = runResults.front();
    runResults.pop_front();
    return result;
}

}  // namespace corvane::test
