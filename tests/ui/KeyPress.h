// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>
#include <QWidget>

namespace corvane::test {

// Shows the window and waits until it is the active one, as a window the user works in is:
// only then do its keys reach their shortcuts.
inline bool showActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Presses and releases a key on the widget as the window system delivers it: the shortcuts of
// the active window have the first go, then the widget and the event filters.
inline void typeKey(QWidget* target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(target, static_cast<Qt::Key>(key), mods);
}

}  // namespace corvane::test
