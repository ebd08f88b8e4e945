// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/OkCancelButtons.h"

#include <QDialogButtonBox>
#include <QPushButton>

#include "ui/common/CLocalized.h"
#include "ui/common/DialogIds.h"

namespace corvane {

QDialogButtonBox* createOkCancelButtons(QWidget* parent) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, parent);
    CLocalized::setCatalogueId(buttons->button(QDialogButtonBox::Ok), kIdOk);
    CLocalized::setCatalogueId(buttons->button(QDialogButtonBox::Cancel), kIdCancel);
    return buttons;
}

}  // namespace corvane
