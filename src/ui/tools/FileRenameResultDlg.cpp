// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/FileRenameResultDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "i18n/MenuIds.h"
#include "ui/common/CaptionedControl.h"
#include "ui/common/DialogIds.h"
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
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->setMinimumSize(360, 200);
    list_->installEventFilter(this);
    caption->setBuddy(list_);

    menu_ = new QMenu(this);
    // The shortcuts are shown in the menu; the list handles the keys itself.
    auto text = [this](int id, const char* fallback) {
        const QString found = textForId(id);
        return found.isEmpty() ? QString::fromLatin1(fallback) : found;
    };
    QAction* copy =
        menu_->addAction(text(kMenuCopy, "Copy"), this, &FileRenameResultDlg::copySelected);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    QAction* all =
        menu_->addAction(text(kMenuSelectAll, "Select All"), this, &FileRenameResultDlg::selectAll);
    all->setShortcut(QKeySequence::SelectAll);
    all->setShortcutContext(Qt::WidgetShortcut);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    setCatalogueId(buttons->button(QDialogButtonBox::Ok), kIdOk);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(results);
    layout->addWidget(caption);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
}

void FileRenameResultDlg::connectWidgets() {
    connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (QMenu* menu = prepareContextMenu(pos))
            menu->popup(list_->viewport()->mapToGlobal(pos));
    });
}

void FileRenameResultDlg::loadValues() {
    renamed_->setText(QString::number(totals_.renamed));
    notRenamed_->setText(QString::number(totals_.notRenamed));
    if (totals_.notRenamed == 0)
        return;
    for (const std::string& name : totals_.listed)
        list_->addItem(fromBytes(name));
}

void FileRenameResultDlg::copySelected() {
    QStringList names;
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->isSelected())
            names.append(list_->item(row)->text());
    QApplication::clipboard()->setText(names.join(QStringLiteral("\r\n")));
}

void FileRenameResultDlg::selectAll() {
    list_->selectAll();
}

QMenu* FileRenameResultDlg::prepareContextMenu(const QPoint& viewportPos) {
    QListWidgetItem* item = list_->itemAt(viewportPos);
    if (!item)
        return nullptr;
    if (!item->isSelected()) {
        list_->clearSelection();
        item->setSelected(true);
    }
    list_->setCurrentItem(item, QItemSelectionModel::NoUpdate);
    return menu_;
}

bool FileRenameResultDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            copySelected();
            return true;
        }
        if (key->matches(QKeySequence::SelectAll)) {
            selectAll();
            return true;
        }
    }
    return CLocalized::eventFilter(watched, event);
}

}  // namespace corvane
