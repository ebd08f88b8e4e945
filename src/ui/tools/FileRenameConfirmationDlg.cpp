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

namespace {
constexpr int kTextWidth = 420;
}  // namespace

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
    question_ = captioned<QLabel>(
        this, "Are you sure you want to proceed with the file renaming operation?",
        kIdRenameQuestion);
    warning_ = captioned<QLabel>(this, "WARNING", kIdRenameWarning);
    for (QLabel* label : {question_, warning_}) {
        label->setWordWrap(true);
        label->setFixedWidth(kTextWidth);
    }
    proceed_ = captioned<QCheckBox>(this, "Proceed", kIdProceed);
    buttons_ = createOkCancelButtons(this);

    auto* texts = new QVBoxLayout;
    texts->addWidget(question_);
    texts->addWidget(warning_);
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

void FileRenameConfirmationDlg::showEvent(QShowEvent* event) {
    CLocalized::showEvent(event);
    // The wrapped texts arrive from the catalogue only now; the window grows to show them whole.
    for (QLabel* label : {question_, warning_})
        label->setMinimumHeight(label->heightForWidth(kTextWidth));
    adjustSize();
}

QPushButton* FileRenameConfirmationDlg::okButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

}  // namespace corvane
