// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <string>

#include "tools/FillProgress.h"

namespace corvane {

class ProgressLine;

// A fill run from the command line: where it is goes to a terminal line when there is one, and
// the run stops once the user has asked for it.
class CliFillProgress : public FillProgress {
public:
    // line may be null (standard error is not a terminal); caption starts the line.
    CliFillProgress(const std::atomic<bool>& interrupted, ProgressLine* line, std::string caption);

    void directory(const std::string& path) override;
    void file(const std::string& name) override;
    bool cancelled() override;

private:
    void show();

    const std::atomic<bool>& interrupted_;
    ProgressLine* line_;
    std::string caption_;
    std::string directory_;
    std::string file_;
};

}  // namespace corvane
