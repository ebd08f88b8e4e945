// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/Prompter.h"
#include "common/TextSource.h"

namespace corvane {

// The prompter and catalogue of a job on a worker thread, which may neither show a message nor
// reach the application's catalogue: texts stay their catalogue keys, and the messages are kept
// in order, to be resolved and shown by the owner once the job is over. No one is there to
// answer, so a question gets the answer that changes nothing.
class NoticeKeys final : public Prompter, public TextSource {
public:
    std::string text(std::string_view key) const override { return std::string(key); }
    void message(const std::string& text, MessageKind) override { keys_.push_back(text); }
    bool confirm(const std::string&) override { return false; }
    bool confirmDestructive(const std::string&) override { return false; }
    MultiAnswer multiConfirm(const std::string&) override { return MultiAnswer::Cancel; }

    const std::vector<std::string>& keys() const { return keys_; }

private:
    std::vector<std::string> keys_;
};

}  // namespace corvane
