// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QListView>
#include <QSignalSpy>
#include <QStringList>
#include <initializer_list>

#include "ui/KeyPress.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/ProfileListModel.h"

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

// The names the list shows, top to bottom.
inline QStringList shownNames(const CCorvaneLauncherDlg& window) {
    QStringList names;
    for (int row = 0; row < window.profileModel()->rowCount(); ++row)
        names << window.profileModel()->nameAtRow(row);
    return names;
}

// Selects the rows as a user does with Ctrl+click, the first one current.
inline void selectRows(CCorvaneLauncherDlg& window, std::initializer_list<int> rows) {
    QListView* list = window.profileList();
    list->clearSelection();
    for (int row : rows)
        list->selectionModel()->select(window.profileModel()->index(row),
                                       QItemSelectionModel::Select);
    list->selectionModel()->setCurrentIndex(window.profileModel()->index(*rows.begin()),
                                            QItemSelectionModel::NoUpdate);
}

}  // namespace corvane::test
