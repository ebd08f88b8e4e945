// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/selection/OrganizeFavoritesDlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/Prompter.h"
#include "i18n/LanguageManager.h"
#include "selection/Favorites.h"
#include "ui/common/DialogIds.h"
#include "ui/common/TextCodec.h"
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
    list_ = new QTreeWidget(this);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setHeaderLabels({textForKey("L_NAME"), textForKey("L_DATABASE")});
    list_->setColumnWidth(0, 260);
    list_->header()->setStretchLastSection(true);
    list_->setMinimumSize(260 + 105 + 2 * list_->frameWidth() + 20, 260);

    delete_ = new QPushButton(QStringLiteral("Delete"), this);
    setCatalogueId(delete_, kIdDelete);
    sort_ = new QPushButton(QStringLiteral("Sort"), this);
    setCatalogueId(sort_, kIdSort);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    setCatalogueId(ok_, kIdOk);
    ok_->setDefault(true);
    delete_->setAutoDefault(false);
    sort_->setAutoDefault(false);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(delete_);
    buttons->addWidget(sort_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
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

void OrganizeFavoritesDlg::report(const char* key) {
    if (key)
        prompter_.message(languages().text(key), MessageKind::Error);
}

void OrganizeFavoritesDlg::deleteSelected() {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty())
        return;
    // Rows mirror the store, so the row names the favorite in its own bytes.
    const auto row = static_cast<size_t>(list_->indexOfTopLevelItem(selected.front()));
    const Favorite favorite = favorites_.items().at(row);
    report(favoriteMessageKey(favorites_.removeOne(favorite.profile, favorite.database)));
    loadValues();
}

void OrganizeFavoritesDlg::sortFavorites() {
    const int rows = list_->topLevelItemCount();
    if (rows >= 2 && !favorites_.sort())
        report(favoriteMessageKey(FavoriteResult::WriteFailed));
    if (rows >= 1)
        loadValues();
}

}  // namespace corvane
