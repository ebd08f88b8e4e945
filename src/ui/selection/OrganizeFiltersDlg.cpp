// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/selection/OrganizeFiltersDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include "i18n/MenuIds.h"
#include "selection/SavedFilters.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/ItemBytes.h"
#include "ui/common/TextCodec.h"
#include "ui/common/UserInputDlg.h"
#include "ui/selection/OrganizeButtons.h"
#include "ui/selection/SelectionIds.h"

namespace corvane {

OrganizeFiltersDlg::OrganizeFiltersDlg(SavedFilters& saved, const LanguageManager& languages,
                                       Prompter& prompter, QWidget* parent)
    : CLocalized(kDlgOrganizeFilters, languages, parent), saved_(saved), prompter_(prompter) {
    createWidgets();
    connectWidgets();
    loadValues();
}

void OrganizeFiltersDlg::createWidgets() {
    setWindowTitle(QStringLiteral("Organize Filters"));
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->setMinimumSize(280, 240);
    list_->installEventFilter(this);

    rename_ = new QPushButton(QStringLiteral("Rename"), this);
    setCatalogueId(rename_, kIdRename);
    const OrganizeButtons buttons = addOrganizeButtons(this, list_, {rename_});
    delete_ = buttons.remove;
    sort_ = buttons.sort;
    ok_ = buttons.ok;

    menu_ = new QMenu(this);
    // The shortcuts are shown in the menu; the list handles the keys itself.
    auto caption = [this](int id, const char* fallback) {
        const QString text = textForId(id);
        return text.isEmpty() ? QString::fromLatin1(fallback) : text;
    };
    QAction* copy =
        menu_->addAction(caption(kMenuCopy, "Copy"), this, &OrganizeFiltersDlg::copySelected);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    QAction* all = menu_->addAction(caption(kMenuSelectAll, "Select All"), this,
                                    &OrganizeFiltersDlg::selectAll);
    all->setShortcut(QKeySequence::SelectAll);
    all->setShortcutContext(Qt::WidgetShortcut);
}

void OrganizeFiltersDlg::connectWidgets() {
    connect(list_, &QListWidget::itemSelectionChanged, this, &OrganizeFiltersDlg::selectionChanged);
    connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (QMenu* menu = prepareContextMenu(pos))
            menu->popup(list_->viewport()->mapToGlobal(pos));
    });
    connect(rename_, &QPushButton::clicked, this, &OrganizeFiltersDlg::renameSelected);
    connect(delete_, &QPushButton::clicked, this, &OrganizeFiltersDlg::deleteSelected);
    connect(sort_, &QPushButton::clicked, this, &OrganizeFiltersDlg::sortFilters);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

void OrganizeFiltersDlg::loadValues() {
    list_->clear();
    for (const SavedFilter& filter : saved_.filters()) {
        auto* item = new QListWidgetItem(fromBytes(filter.name), list_);
        item->setData(Qt::UserRole, itemBytes(filter.name));
    }
    rename_->setEnabled(false);
    delete_->setEnabled(false);
    sort_->setEnabled(list_->count() > 0);
}

void OrganizeFiltersDlg::selectionChanged() {
    const qsizetype selected = list_->selectedItems().size();
    delete_->setEnabled(selected > 0);
    rename_->setEnabled(selected == 1);
}

void OrganizeFiltersDlg::renameSelected() {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.size() != 1)
        return;
    const std::string oldName = bytesOfItem(selected.front()->data(Qt::UserRole));
    const QString prompt = textForKey("M_ENTER_FILTER_NEW_NAME") + QLatin1Char('"') +
                           fromBytes(oldName) + QStringLiteral("\" :");
    const std::optional<QString> answer = UserInputDlg::ask(languages(), prompt, {}, this);
    if (!answer)
        return;
    const SavedFilterResult result = saved_.rename(oldName, toBytes(answer->trimmed()));
    reportError(prompter_, languages(), savedFilterMessageKey(result));
    if (result == SavedFilterResult::Written || result == SavedFilterResult::WriteFailed)
        loadValues();
}

void OrganizeFiltersDlg::deleteSelected() {
    std::vector<std::string> names;
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->isSelected())
            names.push_back(bytesOfItem(list_->item(row)->data(Qt::UserRole)));
    if (names.empty())
        return;
    reportError(prompter_, languages(), savedFilterMessageKey(saved_.remove(names)));
    loadValues();
}

void OrganizeFiltersDlg::sortFilters() {
    if (!saved_.sort())
        reportError(prompter_, languages(), savedFilterMessageKey(SavedFilterResult::WriteFailed));
    loadValues();
}

void OrganizeFiltersDlg::copySelected() {
    QStringList names;
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->isSelected())
            names.append(list_->item(row)->text());
    QApplication::clipboard()->setText(names.join(QStringLiteral("\r\n")));
}

void OrganizeFiltersDlg::selectAll() {
    list_->selectAll();
}

QMenu* OrganizeFiltersDlg::prepareContextMenu(const QPoint& viewportPos) {
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

bool OrganizeFiltersDlg::eventFilter(QObject* watched, QEvent* event) {
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
