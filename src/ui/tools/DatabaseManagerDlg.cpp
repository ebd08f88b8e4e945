// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/DatabaseManagerDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/Prompter.h"
#include "model/DatabaseName.h"
#include "model/DatabaseStore.h"
#include "ui/common/AvailabilityTip.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/TextCodec.h"
#include "ui/common/UserInputDlg.h"
#include "ui/tools/DatabaseManagerIds.h"

namespace corvane {

namespace {

QPushButton* actionButton(QWidget* parent, const char* english, int id) {
    auto* button = new QPushButton(QString::fromLatin1(english), parent);
    CLocalized::setCatalogueId(button, id);
    button->setAutoDefault(false);
    return button;
}

QString quoted(const std::string& name) {
    return QLatin1Char('"') + fromBytes(name) + QLatin1Char('"');
}

}  // namespace

DatabaseManagerDlg::DatabaseManagerDlg(DatabaseOperations operations, DatabaseStore& store,
                                       const LanguageManager& languages, Prompter& prompter,
                                       FillCommand fill, QWidget* parent)
    : CLocalized(kDlgDatabaseManager, languages, parent),
      operations_(operations),
      store_(store),
      prompter_(prompter),
      fill_(std::move(fill)) {
    createWidgets();
    connectWidgets();
    loadValues();
}

void DatabaseManagerDlg::createWidgets() {
    setWindowTitle(QStringLiteral("Database Manager"));
    list_ = new QTreeWidget(this);
    list_->setColumnCount(3);
    list_->setHeaderLabels(
        {textForKey("L_DATABASE"), textForKey("L_ENTRIES"), textForKey("L_BACKUPS")});
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setAllColumnsShowFocus(true);
    list_->setSortingEnabled(false);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    // Counts are right-aligned, and so are their captions.
    for (int column : {1, 2})
        list_->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    list_->setMinimumSize(360, 220);

    rename_ = actionButton(this, "Rename Database", kIdRenameDatabase);
    delete_ = actionButton(this, "Delete Database", kIdDeleteDatabase);
    deleteBackups_ = actionButton(this, "Delete Backups", kIdDeleteBackups);
    restore_ = actionButton(this, "Restore Database", kIdRestoreDatabase);
    fillButton_ = actionButton(this, "Fill Database", kIdFillDatabase);
    close_ = new QPushButton(QStringLiteral("Close"), this);
    CLocalized::setCatalogueId(close_, kIdClose);
    close_->setDefault(true);

    auto* stats = new QGroupBox(QStringLiteral("Stats"), this);
    CLocalized::setCatalogueId(stats, kIdStats);
    auto* grid = new QGridLayout(stats);
    const std::pair<const char*, int> captions[] = {{"Total Databases", kIdTotalDatabases},
                                                    {"Total Profiles", kIdTotalProfiles},
                                                    {"Total Backups", kIdTotalBackups}};
    for (int i = 0; i < 3; ++i) {
        auto* caption = new QLabel(QString::fromLatin1(captions[i].first), stats);
        CLocalized::setCatalogueId(caption, captions[i].second);
        totals_[i] = new QLabel(stats);
        totals_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(caption, i, 0);
        grid->addWidget(totals_[i], i, 1);
    }
    grid->setColumnStretch(0, 1);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {rename_, delete_, deleteBackups_, restore_, fillButton_})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(stats);
    buttons->addWidget(close_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
}

void DatabaseManagerDlg::connectWidgets() {
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &DatabaseManagerDlg::applyEnabling);
    connect(rename_, &QPushButton::clicked, this, &DatabaseManagerDlg::renameSelected);
    connect(delete_, &QPushButton::clicked, this, &DatabaseManagerDlg::deleteSelected);
    connect(deleteBackups_, &QPushButton::clicked, this,
            &DatabaseManagerDlg::deleteSelectedBackups);
    connect(restore_, &QPushButton::clicked, this, &DatabaseManagerDlg::restoreSelected);
    connect(fillButton_, &QPushButton::clicked, this, &DatabaseManagerDlg::fillDatabase);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
}

void DatabaseManagerDlg::loadValues() {
    // Another program may have made or copied in databases since the list was read.
    store_.forgetDatabaseList();
    fillList({});
}

void DatabaseManagerDlg::fillList(const std::string& select) {
    counts_ = countDatabases(store_);
    list_->clear();
    for (const DatabaseCount& row : counts_.databases) {
        auto* item = new QTreeWidgetItem(list_, {fromBytes(row.name), QString::number(row.profiles),
                                                 QString::number(row.backups)});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    totals_[0]->setText(QString::number(counts_.totalDatabases()));
    totals_[1]->setText(QString::number(counts_.totalProfiles));
    totals_[2]->setText(QString::number(counts_.totalBackups));
    const int row = select.empty() ? -1 : counts_.indexOf(select);
    if (row >= 0) {
        QTreeWidgetItem* item = list_->topLevelItem(row);
        list_->setCurrentItem(item);
        list_->scrollToItem(item);
    }
    applyEnabling();
}

void DatabaseManagerDlg::applyEnabling() {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    const int row = selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected.front());
    const bool any = row >= 0;
    const bool backups = any && counts_.databases[static_cast<size_t>(row)].backups > 0;
    rename_->setEnabled(any);
    delete_->setEnabled(any);
    deleteBackups_->setEnabled(backups);
    restore_->setEnabled(backups);
    applyAvailability(fillButton_, fill_.rule(), languages());
}

std::string DatabaseManagerDlg::selectedName() const {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty())
        return {};
    // Rows mirror the counts, so the row names the database in its own bytes.
    const auto row = static_cast<size_t>(list_->indexOfTopLevelItem(selected.front()));
    return counts_.databases.at(row).name;
}

bool DatabaseManagerDlg::confirmAbout(const char* key, const std::string& name) {
    return prompter_.confirmDestructive(toBytes(textForKey(key) + quoted(name) + QLatin1Char('?')));
}

void DatabaseManagerDlg::renameSelected() {
    const std::string name = selectedName();
    if (name.empty())
        return;
    const QString prompt = textForKey("M_ENTER_DB_NEW_NAME") + quoted(name) + QStringLiteral(" :");
    const std::optional<QString> typed =
        UserInputDlg::ask(languages(), prompt, fromBytes(name), this);
    if (!typed)
        return;
    const std::string typedName = toBytes(*typed);
    const OperationResult result = operations_.renameDatabase(name, typedName);
    reportResult(prompter_, languages(), result);
    // Once the files moved the database is listed under its new name, whatever the favorites did.
    fillList(changeMade(result) ? validDatabaseName(typedName).value_or(name) : name);
}

void DatabaseManagerDlg::deleteSelected() {
    const std::string name = selectedName();
    if (name.empty() || !confirmAbout("M_DELETE_DB", name))
        return;
    reportResult(prompter_, languages(), operations_.deleteDatabase(name, true));
    // A database that could not go stays listed, unselected like the rest.
    fillList({});
}

void DatabaseManagerDlg::deleteSelectedBackups() {
    const std::string name = selectedName();
    if (name.empty() || !confirmAbout("M_REMOVE_BACKUPS_DB", name))
        return;
    reportResult(prompter_, languages(), operations_.deleteDatabase(name, false));
    fillList(name);
}

void DatabaseManagerDlg::restoreSelected() {
    const std::string name = selectedName();
    if (name.empty() || !confirmAbout("M_RESTORE_DB", name))
        return;
    reportResult(prompter_, languages(), operations_.restoreDatabase(name));
    fillList(name);
}

void DatabaseManagerDlg::fillDatabase() {
    fill_.open(this);
    fillList({});
}

}  // namespace corvane
