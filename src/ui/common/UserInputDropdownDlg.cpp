// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/UserInputDropdownDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/DialogIds.h"
#include "ui/common/OkCancelButtons.h"

namespace corvane {

UserInputDropdownDlg::UserInputDropdownDlg(const LanguageManager& languages, const QString& prompt,
                                           const QStringList& names, const QString& preselected,
                                           QWidget* parent)
    : CLocalized(kDlgSelection, languages, parent), combo_(new QComboBox(this)) {
    auto* label = new QLabel(prompt, this);
    label->setBuddy(combo_);
    combo_->addItems(names);
    combo_->setMinimumWidth(320);
    const int index = names.indexOf(preselected);
    combo_->setCurrentIndex(index >= 0 ? index : 0);
    auto* buttons = createOkCancelButtons(this);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!names.isEmpty());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(combo_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString UserInputDropdownDlg::chosen() const {
    return combo_->currentText();
}

std::optional<QString> UserInputDropdownDlg::ask(const LanguageManager& languages,
                                                 const QString& prompt, const QStringList& names,
                                                 const QString& preselected, QWidget* parent) {
    UserInputDropdownDlg dlg(languages, prompt, names, preselected, parent);
    if (dlg.exec() != QDialog::Accepted || dlg.chosen().isEmpty())
        return std::nullopt;
    return dlg.chosen();
}

}  // namespace corvane
