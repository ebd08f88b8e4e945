// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/FileRenameResultDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "i18n/MenuIds.h"
#include "ui/common/CaptionedControl.h"
#include "ui/common/DialogIds.h"
#include "ui/common/ListCopyMenu.h"
#include "ui/common/TextCodec.h"
#include "ui/tools/FileRenameIds.h"

namespace corvane {

FileRenameResultDlg::FileRenameResultDlg(const RenameTotals& totals,
                                         const LanguageManager& languages, QWidget* parent)
    : CLocalized(kDlgRenameResult, languages, parent), totals_(totals) {
    createWidgets();
    connectWidgets();
    loadValues();
}

void FileRenameResultDlg::createWidgets() {
    setWindowTitle(QStringLiteral("File Rename Operation Result"));
    auto* results = captioned<QGroupBox>(this, "Results", kIdResultsGroup);
    renamed_ = new QLabel(results);
    notRenamed_ = new QLabel(results);
    auto* counts = new QGridLayout(results);
    counts->addWidget(captioned<QLabel>(results, "Total files renamed", kIdTotalRenamed), 0, 0);
    counts->addWidget(renamed_, 0, 1);
    counts->addWidget(captioned<QLabel>(results, "Total files not renamed", kIdTotalNotRenamed), 1,
                      0);
    counts->addWidget(notRenamed_, 1, 1);
    counts->setColumnStretch(2, 1);

    auto* caption = captioned<QLabel>(
        this, "List of Launcher profiles with one or more files that were not renamed :",
        kIdNotRenamedList);
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setMinimumSize(360, 200);
    caption->setBuddy(list_);

    auto text = [this](int id, const char* fallback) {
        const QString found = textForId(id);
        return found.isEmpty() ? QString::fromLatin1(fallback) : found;
    };
    copyMenu_ =
        new ListCopyMenu(list_, text(kMenuCopy, "Copy"), text(kMenuSelectAll, "Select All"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    setCatalogueId(buttons->button(QDialogButtonBox::Ok), kIdOk);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(results);
    layout->addWidget(caption);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
}

void FileRenameResultDlg::connectWidgets() {}

void FileRenameResultDlg::loadValues() {
    renamed_->setText(QString::number(totals_.renamed));
    notRenamed_->setText(QString::number(totals_.notRenamed));
    if (totals_.notRenamed == 0)
        return;
    for (const std::string& name : totals_.listed)
        list_->addItem(fromBytes(name));
}

void FileRenameResultDlg::copySelected() {
    copyMenu_->copySelected();
}

void FileRenameResultDlg::selectAll() {
    copyMenu_->selectAll();
}

QMenu* FileRenameResultDlg::prepareContextMenu(const QPoint& viewportPos) {
    return copyMenu_->prepare(viewportPos);
}

}  // namespace corvane
