// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ProcessStarter.h"

namespace corvane {

// fork and exec: a double fork detaches started programs, and a close-on-exec pipe tells the
// parent whether exec succeeded.
class PosixProcessStarter : public ProcessStarter {
public:
    bool start(const std::string& program, const std::vector<std::string>& arguments) override;
    std::optional<int> run(const std::string& program, const std::vector<std::string>& arguments,
                           std::chrono::milliseconds timeout) override;
};

}  // namespace corvane
