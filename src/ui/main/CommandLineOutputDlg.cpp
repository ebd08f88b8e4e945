// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/CommandLineOutputDlg.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/DialogIds.h"

namespace corvane {

namespace {
constexpr int kDlgCommandLineOutput = 209;
constexpr int kIdLaunch = 1315;
}  // namespace

CommandLineOutputDlg::CommandLineOutputDlg(const LanguageManager& languages,
                                           const QString& arguments, QWidget* parent)
    : CLocalized(kDlgCommandLineOutput, languages, parent), edit_(new QLineEdit(arguments, this)) {
    // What is started is the argument vector as built; the box only shows it.
    edit_->setReadOnly(true);
    edit_->setMinimumWidth(560);
    edit_->setCursorPosition(0);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* launch =
        buttons->addButton(QStringLiteral("Launch"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    setCatalogueId(launch, kIdLaunch);
    setCatalogueId(cancel, kIdCancel);
    launch->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

}  // namespace corvane
