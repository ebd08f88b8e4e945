// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands on one profile: launching, its info file and its folder.
#include <QListView>

#include "app/CCorvaneLauncherApp.h"
#include "ui/common/TextCodec.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/CommandLineOutputDlg.h"

namespace corvane {

bool CCorvaneLauncherDlg::confirmCommandLine(const std::string& arguments) {
    CommandLineOutputDlg dialog(app_.languages(), fromBytes(arguments), this);
    return dialog.exec() == QDialog::Accepted;
}

void CCorvaneLauncherDlg::launch(LaunchCommand command) {
    const Game* game = singleSelectedProfile();
    if (!game)
        return;
    // A disabled menu entry cannot call this, but its shortcut still does: an emulator without
    // a path then fails to start and says so.
    Launcher::ConfirmCommandLine confirm;
    if (app_.flags().showCommandLine)
        confirm = [this](const std::string& arguments) { return confirmCommandLine(arguments); };
    // The record is copied: a dialog shown while launching may reload the list.
    const Game profile = *game;
    app_.launcher().launch(&profile, command, confirm);
}

void CCorvaneLauncherDlg::showInfo() {
    if (const Game* game = singleSelectedProfile()) {
        const Game profile = *game;
        app_.launcher().showInfoFile(&profile);
    }
}

void CCorvaneLauncherDlg::explore() {
    if (const Game* game = singleSelectedProfile()) {
        const Game profile = *game;
        app_.launcher().exploreProfile(&profile);
    }
}

}  // namespace corvane
