// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Prompter.h"

namespace corvane {

// Shows the wait cursor for its lifetime, and is the prompter for the work done meanwhile: a
// message or question the work brings up is shown with the normal cursor, since it waits for the
// user, not the other way round.
class WaitCursor : public Prompter {
public:
    explicit WaitCursor(Prompter& prompter);
    ~WaitCursor() override;
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    void message(const std::string& text, MessageKind kind) override;
    bool confirm(const std::string& text) override;
    bool confirmDestructive(const std::string& text) override;
    MultiAnswer multiConfirm(const std::string& text) override;

private:
    class Lifted;

    Prompter& prompter_;
};

}  // namespace corvane
