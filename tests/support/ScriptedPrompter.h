// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/Prompter.h"
#include "common/TextSource.h"

namespace corvane::test {

// Records every message and question; answers from queues (Yes / Yes when empty).
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        std::string text;
        MessageKind kind;
    };

    void message(const std::string& text, MessageKind kind) override;
    bool confirm(const std::string& text) override;
    bool confirmDestructive(const std::string& text) override;
    MultiAnswer multiConfirm(const std::string& text) override;

    std::vector<Shown> messages;
    // Every Yes/No question, whatever its default answer.
    std::vector<std::string> confirmations;
    std::vector<std::string> multiQuestions;
    std::deque<bool> confirmAnswers;
    std::deque<MultiAnswer> multiAnswers;
};

// Texts resolve to the key itself, so tests compare keys.
class KeyTextSource : public TextSource {
public:
    std::string text(std::string_view key) const override { return std::string(key); }
};

}  // namespace corvane::test
