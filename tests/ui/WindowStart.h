// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "ui/KeyPress.h"
#include "ui/main/CCorvaneLauncherDlg.h"

namespace corvane::test {

// True once the spy has recorded its signal, waiting for it if it has not yet.
inline bool received(QSignalSpy& spy) {
    return !spy.isEmpty() || spy.wait();
}

// Starts the window as the program does and returns once its list has been loaded.
inline void startWindow(CCorvaneLauncherDlg& window) {
    QSignalSpy loaded(&window, &CCorvaneLauncherDlg::listLoaded);
    window.initialise();
    // Active, as on a desktop: the window's shortcuts only act in the active window.
    ASSERT_TRUE(showActive(&window));
    ASSERT_TRUE(received(loaded));
}

}  // namespace corvane::test
