// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/selection/OrganizeFavoritesDlg.h"

#include <QPushButton>
#include <QTreeWidget>

#include "selection/Favorites.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/TextCodec.h"
#include "ui/selection/NameDatabaseTree.h"
#include "ui/selection/OrganizeButtons.h"
#include "ui/selection/SelectionIds.h"

namespace corvane {

OrganizeFavoritesDlg::OrganizeFavoritesDlg(Favorites& favorites, const LanguageManager& languages,
                                           Prompter& prompter, QWidget* parent)
    : CLocalized(kDlgOrganizeFavorites, languages, parent),
      favorites_(favorites),
      prompter_(prompter) {
    createWidgets();
    connectWidgets();
    loadValues();
}

void OrganizeFavoritesDlg::createWidgets() {
    setWindowTitle(QStringLiteral("Organize Favorites"));
    list_ = createNameDatabaseTree(this, 260);

    const OrganizeButtons buttons = addOrganizeButtons(this, list_);
    delete_ = buttons.remove;
    sort_ = buttons.sort;
    ok_ = buttons.ok;
}

void OrganizeFavoritesDlg::connectWidgets() {
    connect(list_, &QTreeWidget::itemSelectionChanged, this,
            [this] { delete_->setEnabled(!list_->selectedItems().isEmpty()); });
    connect(delete_, &QPushButton::clicked, this, &OrganizeFavoritesDlg::deleteSelected);
    connect(sort_, &QPushButton::clicked, this, &OrganizeFavoritesDlg::sortFavorites);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

void OrganizeFavoritesDlg::loadValues() {
    list_->clear();
    for (const Favorite& favorite : favorites_.items())
        new QTreeWidgetItem(list_, {fromBytes(favorite.profile), fromBytes(favorite.database)});
    delete_->setEnabled(false);
}

void OrganizeFavoritesDlg::deleteSelected() {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty())
        return;
    // Rows mirror the store, so the row names the favorite in its own bytes.
    const auto row = static_cast<size_t>(list_->indexOfTopLevelItem(selected.front()));
    const Favorite favorite = favorites_.items().at(row);
    reportResult(prompter_, languages(),
                 favoritesResult(favorites_.removeOne(favorite.profile, favorite.database)));
    loadValues();
}

void OrganizeFavoritesDlg::sortFavorites() {
    const int rows = list_->topLevelItemCount();
    if (rows >= 2 && !favorites_.sort())
        reportResult(prompter_, languages(), OperationResult::FavoritesNotWritten);
    if (rows >= 1)
        loadValues();
}

}  // namespace corvane
