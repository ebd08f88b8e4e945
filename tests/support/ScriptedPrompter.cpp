// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScriptedPrompter.h"

namespace corvane::test {

namespace {
class ScriptedProgress : public Progress {
public:
    explicit ScriptedProgress(ScriptedPrompter& owner) : owner_(owner) {}
    void setRange(int, int) override {}
    void setPos(int) override {}
    bool pump() override {
        ++owner_.pumps;
        return owner_.cancelAfterPumps >= 0 && owner_.pumps >= owner_.cancelAfterPumps;
    }

private:
    ScriptedPrompter& owner_;
};
}  // namespace

void ScriptedPrompter::message(const std::string& text, MessageKind kind) {
    messages.push_back({text, kind});
}

bool ScriptedPrompter::confirm(const std::string& text) {
    confirmations.push_back(text);
    if (confirmAnswers.empty())
        return true;
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

bool ScriptedPrompter::confirmDestructive(const std::string& text) {
    return confirm(text);
}

MultiAnswer ScriptedPrompter::multiConfirm(const std::string& text) {
    multiQuestions.push_back(text);
    if (multiAnswers.empty())
        return MultiAnswer::Yes;
    const MultiAnswer answer = multiAnswers.front();
    multiAnswers.pop_front();
    return answer;
}

std::unique_ptr<Progress> ScriptedPrompter::progress(const std::string& caption, int) {
    progressCaptions.push_back(caption);
    return std::make_unique<ScriptedProgress>(*this);
}

}  // namespace corvane::test
