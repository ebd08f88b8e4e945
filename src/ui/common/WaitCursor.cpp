// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/WaitCursor.h"

#include <QApplication>
#include <QCursor>

namespace corvane {

// The normal cursor for one exchange with the user.
class WaitCursor::Lifted {
public:
    Lifted() { QApplication::restoreOverrideCursor(); }
    ~Lifted() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    Lifted(const Lifted&) = delete;
    Lifted& operator=(const Lifted&) = delete;
};

WaitCursor::WaitCursor(Prompter& prompter) : prompter_(prompter) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    QApplication::restoreOverrideCursor();
}

void WaitCursor::message(const std::string& text, MessageKind kind) {
    const Lifted lifted;
    prompter_.message(text, kind);
}

bool WaitCursor::confirm(const std::string& text) {
    const Lifted lifted;
    return prompter_.confirm(text);
}

bool WaitCursor::confirmDestructive(const std::string& text) {
    const Lifted lifted;
    return prompter_.confirmDestructive(text);
}

MultiAnswer WaitCursor::multiConfirm(const std::string& text) {
    const Lifted lifted;
    return prompter_.multiConfirm(text);
}

}  // namespace corvane
