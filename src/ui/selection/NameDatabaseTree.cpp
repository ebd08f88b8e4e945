// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/selection/NameDatabaseTree.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "ui/common/CLocalized.h"

namespace corvane {

QTreeWidget* createNameDatabaseTree(CLocalized* dialog, int minimumHeight) {
    auto* tree = new QTreeWidget(dialog);
    tree->setRootIsDecorated(false);
    tree->setUniformRowHeights(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree->setHeaderLabels({dialog->textForKey("L_NAME"), dialog->textForKey("L_DATABASE")});
    tree->setColumnWidth(0, 260);
    tree->header()->setStretchLastSection(true);
    tree->setMinimumSize(260 + 105 + 2 * tree->frameWidth() + 20, minimumHeight);
    return tree;
}

}  // namespace corvane
