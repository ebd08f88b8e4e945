// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <ostream>

#include "common/Prompter.h"

namespace corvane {

// The prompter of the command line: every message is one line on the stream it is given
// (standard error). No one is there to answer, so a question is declined.
class StreamPrompter : public Prompter {
public:
    explicit StreamPrompter(std::ostream& stream) : stream_(stream) {}

    // Runs before each message, so that a progress line can get out of its way.
    void setBeforeMessage(std::function<void()> beforeMessage) {
        beforeMessage_ = std::move(beforeMessage);
    }

    void message(const std::string& text, MessageKind kind) override;
    bool confirm(const std::string& text) override;
    bool confirmDestructive(const std::string& text) override;
    MultiAnswer multiConfirm(const std::string& text) override;

private:
    std::ostream& stream_;
    std::function<void()> beforeMessage_;
};

}  // namespace corvane
