// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's filters, saved filters, favorites, search and help.
#include <QAction>
#include <QListView>
#include <QMenu>

#include "app/CCorvaneLauncherApp.h"
#include "common/Prompter.h"
#include "i18n/MenuIds.h"
#include "selection/HelpFile.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/TextCodec.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/ProfileListModel.h"
#include "ui/selection/FiltersDlg.h"
#include "ui/selection/OrganizeFavoritesDlg.h"
#include "ui/selection/OrganizeFiltersDlg.h"
#include "ui/selection/SearchDlg.h"

namespace corvane {

QMenu* CCorvaneLauncherDlg::buildValueMenu(FilterCriterion criterion) {
    QMenu* popup = newPopup();
    for (const FilterChoice& choice : app_.filterValues().choices(criterion, app_.texts())) {
        QAction* item =
            addPopupItem(popup, menuItemText(choice.text), [this, criterion, value = choice.value] {
                if (app_.filter().set(criterion, value))
                    loadList();
            });
        item->setCheckable(true);
        item->setChecked(app_.filter().value(criterion) == choice.value);
    }
    return popup;
}

QMenu* CCorvaneLauncherDlg::buildSavedFiltersPopup() {
    QMenu* popup = newPopup();
    const std::vector<SavedFilter>& saved = app_.savedFilters().filters();
    for (const SavedFilter& filter : saved)
        addPopupItem(popup, menuItemText(filter.name), [this, state = filter.state] {
            app_.filter() = state;
            loadList();
        });
    if (!saved.empty())
        popup->addSeparator();
    for (int id : {kMenuSetFilters, kMenuResetFilters, kMenuOrganizeFilters})
        addPopupCommand(popup, id);
    return popup;
}

QMenu* CCorvaneLauncherDlg::buildFavoritesPopup() {
    QMenu* popup = newPopup();
    const std::vector<Favorite>& favorites = app_.favorites().items();
    for (const Favorite& favorite : favorites)
        addPopupItem(popup, menuItemText(Favorites::popupCaption(favorite)),
                     [this, favorite] { locate(favorite.profile, favorite.database); });
    if (!favorites.empty())
        popup->addSeparator();
    addPopupCommand(popup, kMenuOrganizeFavorites);
    return popup;
}

void CCorvaneLauncherDlg::addToFavorites() {
    const Game* game = singleSelectedProfile();
    if (!game)
        return;
    reportResult(
        app_.prompter(), app_.languages(),
        favoritesResult(app_.favorites().add(game->name, app_.store().currentDatabaseName())));
}

void CCorvaneLauncherDlg::setFilters() {
    FiltersDlg dialog(app_.filter(), app_.filterValues(), app_.savedFilters(), app_.languages(),
                      app_.prompter(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    app_.filter() = dialog.chosenState();
    loadList();
}

void CCorvaneLauncherDlg::resetFilters() {
    if (app_.filter().reset())
        loadList();
}

void CCorvaneLauncherDlg::organizeFilters() {
    OrganizeFiltersDlg dialog(app_.savedFilters(), app_.languages(), app_.prompter(), this);
    dialog.exec();
}

void CCorvaneLauncherDlg::organizeFavorites() {
    OrganizeFavoritesDlg dialog(app_.favorites(), app_.languages(), app_.prompter(), this);
    dialog.exec();
}

void CCorvaneLauncherDlg::search() {
    SearchDlg dialog(app_.search(), app_.languages(), this);
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
