// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's filters, favorites, search and help.
#include <QListView>

#include "app/CCorvaneLauncherApp.h"
#include "common/Prompter.h"
#include "selection/HelpFile.h"
#include "ui/common/ErrorReport.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/selection/SearchDlg.h"

namespace corvane {

void CCorvaneLauncherDlg::addToFavorites() {
    const Game* game = singleSelectedProfile();
    if (!game)
        return;
    reportResult(
        app_.prompter(), app_.languages(),
        favoritesResult(app_.favorites().add(game->name, app_.store().currentDatabaseName())));
}

void CCorvaneLauncherDlg::resetFilters() {
    if (app_.filter().reset())
        loadList();
}

void CCorvaneLauncherDlg::search() {
    SearchDlg dialog(app_.search(), app_.prompter(), app_.languages(), this);
    if (dialog.exec() != QDialog::Accepted || !dialog.chosenHit())
        return;
    const SearchHit hit = *dialog.chosenHit();
    locate(hit.profile, hit.database);
}

void CCorvaneLauncherDlg::help() {
    openHelp(app_.baseDirectory(), app_.languages().currentId(), app_.shell(), app_.prompter(),
             app_.texts());
}

}  // namespace corvane
