// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/UserInputDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/common/DialogIds.h"
#include "ui/common/OkCancelButtons.h"

namespace corvane {

UserInputDlg::UserInputDlg(const LanguageManager& languages, const QString& prompt,
                           const QString& initialText, QWidget* parent)
    : CLocalized(kDlgInput, languages, parent),
      prompt_(new QLabel(prompt, this)),
      edit_(new QLineEdit(initialText, this)) {
    auto* buttons = createOkCancelButtons(this);
    prompt_->setBuddy(edit_);
    edit_->setMinimumWidth(320);
    edit_->selectAll();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString UserInputDlg::text() const {
    return edit_->text();
}

std::optional<QString> UserInputDlg::ask(const LanguageManager& languages, const QString& prompt,
                                         const QString& initialText, QWidget* parent) {
    UserInputDlg dlg(languages, prompt, initialText, parent);
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return dlg.text();
}

}  // namespace corvane
