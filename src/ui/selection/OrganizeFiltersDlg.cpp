// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/selection/OrganizeFiltersDlg.h"

#include <QListWidget>
#include <QPushButton>

#include "i18n/MenuIds.h"
#include "selection/SavedFilters.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/ItemBytes.h"
#include "ui/common/ListCopyMenu.h"
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
    list_->setMinimumSize(280, 240);

    rename_ = new QPushButton(QStringLiteral("Rename"), this);
    setCatalogueId(rename_, kIdRename);
    const OrganizeButtons buttons = addOrganizeButtons(this, list_, {rename_});
    delete_ = buttons.remove;
    sort_ = buttons.sort;
    ok_ = buttons.ok;

    auto caption = [this](int id, const char* fallback) {
        const QString found = textForId(id);
        return found.isEmpty() ? QString::fromLatin1(fallback) : found;
    };
    copyMenu_ =
        new ListCopyMenu(list_, caption(kMenuCopy, "Copy"), caption(kMenuSelectAll, "Select All"));
}

void OrganizeFiltersDlg::connectWidgets() {
    connect(list_, &QListWidget::itemSelectionChanged, this, &OrganizeFiltersDlg::selectionChanged);
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
    copyMenu_->copySelected();
}

void OrganizeFiltersDlg::selectAll() {
    copyMenu_->selectAll();
}

QMenu* OrganizeFiltersDlg::prepareContextMenu(const QPoint& viewportPos) {
    return copyMenu_->prepare(viewportPos);
}

}  // namespace corvane
