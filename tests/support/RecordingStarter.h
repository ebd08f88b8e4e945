// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/ProcessStarter.h"

namespace corvane::test {

// Records what would be started; answers from settable results.
class RecordingStarter : public ProcessStarter {
public:
    struct Started {
        std::string program;
        std::vector<std::string> arguments;
        bool waited;
    };

    bool start(const std::string& program, const std::vector<std::string>& arguments) override;
    std::optional<int> run(const std::string& program, const std::vector<std::string>& arguments,
                           std::chrono::milliseconds timeout) override;

    std::vector<Started> started;
    bool startResult = true;
    std::deque<std::optional<int>> runResults;  // none left: the helper could not be started
};

}  // namespace corvane::test
