// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScriptedPrompter.h"

namespace corvane::test {

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

}  // namespace corvane::test
