// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTest>
#include <QTreeWidget>

namespace corvane::test {

// The rows of a two-column list, top to bottom, as "first|second".
inline QStringList treeRows(const QTreeWidget* tree) {
    QStringList out;
    for (int row = 0; row < tree->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = tree->topLevelItem(row);
        out.append(item->text(0) + QLatin1Char('|') + item->text(1));
    }
    return out;
}

// Selects a row the way the user does: a click in its middle.
inline void clickTreeRow(QTreeWidget* tree, int row) {
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      tree->visualItemRect(tree->topLevelItem(row)).center());
}

}  // namespace corvane::test
