// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

#include "cli/ProgressLine.h"
#include "common/Progress.h"

namespace corvane {

class StreamPrompter;
struct CliContext;

// A command's run as the terminal shows it: where it is goes to one line when standard error is
// a terminal, the line is cleared before any message and once the run has ended, and Ctrl+C
// stops the run.
class CommandProgress : public Progress {
public:
    // caption starts the line.
    CommandProgress(const CliContext& context, StreamPrompter& prompter, std::string caption);
    ~CommandProgress() override;
    CommandProgress(const CommandProgress&) = delete;
    CommandProgress& operator=(const CommandProgress&) = delete;

    // A terminal line has no bar.
    void setRange(std::int64_t) override {}
    void setPosition(std::int64_t) override {}
    // The larger unit (a folder, a database), then the item within it.
    void setStatus(const std::string& text) override;
    void setDetail(const std::string& text) override;
    bool cancelled() const override;

    // Clears the line, so that the report starts on a clean one.
    void end();

private:
    // Under mutex_.
    void show();

    const CliContext& context_;
    StreamPrompter& prompter_;
    std::string caption_;
    std::mutex mutex_;
    // Under mutex_.
    std::optional<ProgressLine> line_;
    std::string status_;
    std::string detail_;
};

}  // namespace corvane
