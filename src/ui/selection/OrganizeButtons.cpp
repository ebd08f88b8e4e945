// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/selection/OrganizeButtons.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/CLocalized.h"
#include "ui/common/DialogIds.h"
#include "ui/selection/SelectionIds.h"

namespace corvane {

OrganizeButtons addOrganizeButtons(CLocalized* dialog, QWidget* list,
                                   std::initializer_list<QPushButton*> leading) {
    OrganizeButtons added;
    added.remove = new QPushButton(QStringLiteral("Delete"), dialog);
    CLocalized::setCatalogueId(added.remove, kIdDelete);
    added.sort = new QPushButton(QStringLiteral("Sort"), dialog);
    CLocalized::setCatalogueId(added.sort, kIdSort);
    added.ok = new QPushButton(QStringLiteral("OK"), dialog);
    CLocalized::setCatalogueId(added.ok, kIdOk);
    added.ok->setDefault(true);

    auto* buttons = new QVBoxLayout;
    const auto addAction = [buttons](QPushButton* button) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    };
    for (QPushButton* button : leading)
        addAction(button);
    addAction(added.remove);
    addAction(added.sort);
    buttons->addStretch();
    buttons->addWidget(added.ok);
    auto* layout = new QHBoxLayout(dialog);
    layout->addWidget(list, 1);
    layout->addLayout(buttons);
    return added;
}

}  // namespace corvane
