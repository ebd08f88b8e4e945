// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "common/Progress.h"

namespace corvane {

class ProgressLine;

// A fill run from the command line: where it is goes to a terminal line when there is one, and
// the run stops once the user has asked for it.
class CliFillProgress : public Progress {
public:
    // line may be null (standard error is not a terminal); caption starts the line.
    CliFillProgress(const std::atomic<bool>& interrupted, ProgressLine* line, std::string caption);

    // A terminal line has no bar.
    void setRange(std::int64_t) override {}
    void setPosition(std::int64_t) override {}
    // The folder, then the file within it.
    void setStatus(const std::string& path) override;
    void setDetail(const std::string& name) override;
    bool cancelled() const override;

private:
    // Under mutex_.
    void show();

    const std::atomic<bool>& interrupted_;
    ProgressLine* line_;
    std::string caption_;
    std::mutex mutex_;
    // Under mutex_.
    std::string directory_;
    std::string file_;
};

}  // namespace corvane
