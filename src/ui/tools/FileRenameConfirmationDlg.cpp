// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/FileRenameConfirmationDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/common/CaptionedControl.h"
#include "ui/common/OkCancelButtons.h"
#include "ui/tools/FileRenameIds.h"

namespace corvane {

FileRenameConfirmationDlg::FileRenameConfirmationDlg(const LanguageManager& languages,
                                                     QWidget* parent)
    : CLocalized(kDlgRenameConfirmation, languages, parent) {
    createWidgets();
    connectWidgets();
    loadValues();
}

void FileRenameConfirmationDlg::createWidgets() {
    setWindowTitle(QStringLiteral("Confirmation"));
    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size, size));
    icon->setAlignment(Qt::AlignTop);
    auto* question = captioned<QLabel>(
        this, "Are you sure you want to proceed with the file renaming operation?",
        kIdRenameQuestion);
    auto* warning = captioned<QLabel>(this, "WARNING", kIdRenameWarning);
    for (QLabel* label : {question, warning})
        label->setWordWrap(true);
    warning->setMinimumWidth(360);
    proceed_ = captioned<QCheckBox>(this, "Proceed", kIdProceed);
    buttons_ = createOkCancelButtons(this);

    auto* texts = new QVBoxLayout;
    texts->addWidget(question);
    texts->addWidget(warning);
    texts->addWidget(proceed_);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons_);
}

void FileRenameConfirmationDlg::connectWidgets() {
    connect(proceed_, &QCheckBox::toggled, okButton(), &QPushButton::setEnabled);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void FileRenameConfirmationDlg::loadValues() {
    proceed_->setChecked(false);
    okButton()->setEnabled(false);
}

QPushButton* FileRenameConfirmationDlg::okButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

}  // namespace corvane
