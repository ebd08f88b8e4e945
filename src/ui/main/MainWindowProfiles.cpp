// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands that open the profile editor.
#include <QListView>

#include "app/CCorvaneLauncherApp.h"
#include "ui/editor/GameSettingsDlg.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/ProfileListModel.h"

namespace corvane {

void CCorvaneLauncherDlg::addProfile() {
    DatabaseStore& store = app_.store();
    // Without a current database a new profile would go to a file of no name.
    if (!app_.launcher().canAddProfile(!store.databaseList().empty() &&
                                       !store.currentDatabaseName().empty()))
        return;
    GameSettingsDlg editor(app_, nullptr, this);
    editor.exec();
    if (!editor.saved())
        return;
    loadList();
    // The new profile, unless the filter hides it.
    const int row = model_->rowOfName(editor.storedName());
    if (!editor.storedName().empty() && row >= 0)
        showRow(row);
}

void CCorvaneLauncherDlg::editProfile() {
    const Game* game = singleSelectedProfile();
    if (!game)
        return;
    if (!app_.launcher().canEditProfile())
        return;
    const int row = list_->selectionModel()->selectedRows().front().row();
    // The record is copied: the list is loaded again while the editor still refers to it.
    const Game profile = *game;
    GameSettingsDlg editor(app_, &profile, this);
    editor.exec();
    if (!editor.saved())
        return;
    loadList();
    // The line at the same place, which after a rename may hold another profile.
    if (row < model_->rowCount())
        showRow(row);
}

}  // namespace corvane
