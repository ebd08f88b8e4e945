// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/StreamPrompter.h"

namespace corvane {

void StreamPrompter::message(const std::string& text, MessageKind) {
    if (beforeMessage_)
        beforeMessage_();
    stream_ << text << '\n' << std::flush;
}

bool StreamPrompter::confirm(const std::string& text) {
    message(text, MessageKind::Plain);
    return false;
}

bool StreamPrompter::confirmDestructive(const std::string& text) {
    return confirm(text);
}

MultiAnswer StreamPrompter::multiConfirm(const std::string& text) {
    message(text, MessageKind::Plain);
    return MultiAnswer::Cancel;
}

}  // namespace corvane
