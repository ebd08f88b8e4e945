// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace corvane {

enum class MessageKind { Error, Info, Message, Plain };

// Answers of the five-button question, numbered as stored and compared by callers.
enum class MultiAnswer { Yes = 1, No = 2, YesToAll = 3, NoToAll = 4, Cancel = 5 };

// How engines talk to the user without knowing about windows. Texts arrive resolved.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void message(const std::string& text, MessageKind kind) = 0;
    virtual bool confirm(const std::string& text) = 0;
    // A question whose Yes destroys data: No is the default answer, so Enter keeps the data.
    virtual bool confirmDestructive(const std::string& text) = 0;
    virtual MultiAnswer multiConfirm(const std::string& text) = 0;
};

}  // namespace corvane
