// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/WindowPopups.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

#include "app/CCorvaneLauncherApp.h"
#include "i18n/MenuIds.h"
#include "ui/common/TextCodec.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/WindowCommands.h"

namespace corvane {

void WindowPopups::showUnder(QMenu* menu, QWidget* anchor) {
    menu->popup(anchor->mapToGlobal(QPoint(0, anchor->height())));
}

QMenu* WindowPopups::newPopup() {
    auto* popup = new QMenu(&window_);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->setToolTipsVisible(true);
    return popup;
}

QAction* WindowPopups::addItem(QMenu* popup, const QString& text, std::function<void()> command) {
    QAction* item = popup->addAction(text);
    // The item fires inside the popup's own key or mouse handler, and the popup deletes itself
    // on closing: the command (a reload, a dialog) runs from the event loop once that handler
    // has returned, so nothing it does can pull the popup away under the handler.
    QObject::connect(item, &QAction::triggered, &window_, [this, command = std::move(command)] {
        QMetaObject::invokeMethod(&window_, command, Qt::QueuedConnection);
    });
    return item;
}

void WindowPopups::addCommand(QMenu* popup, int id) {
    QAction* command = commands_.action(id);
    QAction* item = addItem(popup, command->text(), [command] { command->trigger(); });
    item->setEnabled(command->isEnabled());
    item->setToolTip(command->toolTip());
}

QMenu* WindowPopups::database() {
    QMenu* popup = newPopup();
    // Databases made by another program or copied in by hand show without a restart; the
    // current database's profiles are not read again for that.
    app_.store().forgetDatabaseList();
    window_.applyCommandRules();
    std::vector<std::string> names = app_.store().databaseNames();
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        QAction* item = addItem(popup, menuItemText(name), [this, name] {
            app_.store().setCurrentDatabase(name);
            window_.loadList();
        });
        item->setCheckable(true);
        item->setChecked(name == app_.store().currentDatabaseName());
    }
    if (!names.empty())
        popup->addSeparator();
    addCommand(popup, kMenuCreateEmptyDatabase);
    return popup;
}

QMenu* WindowPopups::values(FilterCriterion criterion) {
    QMenu* popup = newPopup();
    for (const FilterChoice& choice : app_.filterValues().choices(criterion, app_.texts())) {
        QAction* item =
            addItem(popup, menuItemText(choice.text), [this, criterion, value = choice.value] {
                if (app_.filter().set(criterion, value))
                    window_.loadList();
            });
        item->setCheckable(true);
        item->setChecked(app_.filter().value(criterion) == choice.value);
    }
    return popup;
}

QMenu* WindowPopups::savedFilters() {
    QMenu* popup = newPopup();
    const std::vector<SavedFilter>& saved = app_.savedFilters().filters();
    for (const SavedFilter& filter : saved)
        addItem(popup, menuItemText(filter.name), [this, state = filter.state] {
            app_.filter() = state;
            window_.loadList();
        });
    if (!saved.empty())
        popup->addSeparator();
    for (int id : {kMenuSetFilters, kMenuResetFilters, kMenuOrganizeFilters})
        addCommand(popup, id);
    return popup;
}

QMenu* WindowPopups::favorites() {
    QMenu* popup = newPopup();
    const std::vector<Favorite>& favorites = app_.favorites().items();
    for (const Favorite& favorite : favorites)
        addItem(popup, menuItemText(Favorites::popupCaption(favorite)),
                [this, favorite] { window_.locate(favorite.profile, favorite.database); });
    if (!favorites.empty())
        popup->addSeparator();
    addCommand(popup, kMenuOrganizeFavorites);
    return popup;
}

}  // namespace corvane
