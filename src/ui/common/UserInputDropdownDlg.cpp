// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/UserInputDropdownDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/DialogIds.h"
#include "ui/common/ItemBytes.h"
#include "ui/common/OkCancelButtons.h"
#include "ui/common/TextCodec.h"

namespace corvane {

UserInputDropdownDlg::UserInputDropdownDlg(const LanguageManager& languages, const QString& prompt,
                                           const std::vector<std::string>& names,
                                           const std::string& preselected, QWidget* parent)
    : CLocalized(kDlgSelection, languages, parent), combo_(new QComboBox(this)) {
    auto* label = new QLabel(prompt, this);
    label->setBuddy(combo_);
    // Names travel as their bytes, so one that is not UTF-8 still names its own file.
    for (const std::string& name : names)
        combo_->addItem(fromBytes(name), itemBytes(name));
    combo_->setMinimumWidth(320);
    const int index = combo_->findData(itemBytes(preselected));
    combo_->setCurrentIndex(index >= 0 ? index : 0);
    auto* buttons = createOkCancelButtons(this);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!names.empty());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(combo_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::string UserInputDropdownDlg::chosen() const {
    return bytesOfItem(combo_->currentData());
}

std::optional<std::string> UserInputDropdownDlg::ask(const LanguageManager& languages,
                                                     const QString& prompt,
                                                     const std::vector<std::string>& names,
                                                     const std::string& preselected,
                                                     QWidget* parent) {
    UserInputDropdownDlg dlg(languages, prompt, names, preselected, parent);
    if (dlg.exec() != QDialog::Accepted || dlg.chosen().empty())
        return std::nullopt;
    return dlg.chosen();
}

}  // namespace corvane
