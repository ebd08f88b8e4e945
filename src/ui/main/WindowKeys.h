// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "ui/main/CommandKeys.h"

class QKeyEvent;
class QListView;
class QObject;
class QWidget;

namespace corvane {

class WindowCommands;

// The main window's keyboard: every key of the key table and of the tool table on its command's
// action, keys that act though their entry is disabled, and Enter and Esc, which never close the
// window.
class WindowKeys {
public:
    WindowKeys(QWidget* window, QListView* list, WindowCommands& commands);

    // Puts the keys on the actions; the key-only commands get actions of their own.
    void install();
    // A key pressed inside the window: true when it is used up.
    bool handle(QObject* watched, const QKeyEvent* key) const;
    // A widget inside one of the popups the window opened.
    bool isOwnPopup(const QObject* object) const;

private:
    bool runCommandOfKey(const QKeyEvent* key, bool inList) const;

    QWidget* window_;
    QListView* list_;
    WindowCommands& commands_;
    std::vector<CommandKey> keys_;
};

}  // namespace corvane
