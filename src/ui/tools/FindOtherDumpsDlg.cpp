// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/FindOtherDumpsDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/common/CaptionedControl.h"
#include "ui/common/ItemBytes.h"
#include "ui/common/OkCancelButtons.h"
#include "ui/common/TextCodec.h"
#include "ui/tools/OtherDumpsIds.h"

namespace corvane {

namespace {

constexpr int kNameWidth = 260;
constexpr int kDatabaseWidth = 105;

QLineEdit* shownField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    return field;
}

}  // namespace

FindOtherDumpsDlg::FindOtherDumpsDlg(OtherDumpsOperation& operation, OtherDumpsRequest request,
                                     Prompter& prompter, const LanguageManager& languages,
                                     QWidget* parent)
    : CLocalized(kDlgOtherDumps, languages, parent),
      operation_(operation),
      request_(std::move(request)),
      run_(prompter, languages, this) {
    createWidgets();
    connectWidgets();
    loadValues();
}

void FindOtherDumpsDlg::createWidgets() {
    setWindowTitle(QStringLiteral("Other Dumps"));
    auto* nameLabel = captioned<QLabel>(this, "Name", kIdOtherDumpsName);
    name_ = shownField(this);
    auto* databaseLabel = captioned<QLabel>(this, "Database", kIdOtherDumpsDatabase);
    database_ = shownField(this);
    auto* knownLabel = captioned<QLabel>(this, "Known Dumps", kIdKnownDumps);
    known_ = shownField(this);
    find_ = captioned<QPushButton>(this, "Find Other Dumps in Launcher", kIdFindOtherDumps);
    find_->setAutoDefault(false);
    // Hidden after the search, it keeps its place so that the fields do not jump.
    QSizePolicy keepPlace = find_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    find_->setSizePolicy(keepPlace);
    auto* foundLabel =
        captioned<QLabel>(this, "Other dumps found in Launcher:", kIdOtherDumpsFound);
    list_ = new QTreeWidget(this);
    list_->setRootIsDecorated(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setColumnCount(2);
    list_->setColumnWidth(0, kNameWidth);
    list_->setColumnWidth(1, kDatabaseWidth);
    list_->setMinimumWidth(kNameWidth + kDatabaseWidth + 24);
    foundLabel->setBuddy(list_);
    locate_ = captioned<QLabel>(
        this, "Close this Window and locate selected profile in main Launcher Window?",
        kIdLocateChosen);
    locate_->setWordWrap(true);
    buttons_ = createOkCancelButtons(this);

    auto* fields = new QGridLayout;
    fields->addWidget(nameLabel, 0, 0);
    fields->addWidget(databaseLabel, 0, 1);
    fields->addWidget(name_, 1, 0);
    fields->addWidget(database_, 1, 1);
    fields->addWidget(knownLabel, 2, 0);
    fields->addWidget(known_, 3, 0);
    fields->addWidget(find_, 3, 1);
    fields->setColumnStretch(0, 2);
    fields->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(foundLabel);
    layout->addWidget(list_, 1);
    layout->addWidget(locate_);
    layout->addWidget(buttons_);
}

void FindOtherDumpsDlg::connectWidgets() {
    connect(find_, &QPushButton::clicked, this, &FindOtherDumpsDlg::search);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &FindOtherDumpsDlg::selectionChanged);
    connect(buttons_, &QDialogButtonBox::accepted, this, [this] {
        if (chosen())
            accept();
    });
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void FindOtherDumpsDlg::loadValues() {
    list_->setHeaderLabels({textForKey("L_NAME"), textForKey("L_DATABASE")});
    name_->setText(fromBytes(request_.profileName));
    database_->setText(fromBytes(request_.database));
    const size_t known = operation_.knownDumps(request_).size();
    known_->setText(QString::number(known));
    find_->setEnabled(known > 0);
    selectionChanged();
}

void FindOtherDumpsDlg::selectionChanged() {
    const bool one = chosen().has_value();
    locate_->setVisible(one);
    okButton()->setEnabled(one);
}

QPushButton* FindOtherDumpsDlg::okButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

std::optional<OtherDump> FindOtherDumpsDlg::chosen() const {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    const QTreeWidgetItem* row = selected.front();
    return OtherDump{bytesOfItem(row->data(0, Qt::UserRole)),
                     bytesOfItem(row->data(1, Qt::UserRole))};
}

void FindOtherDumpsDlg::search() {
    OtherDumpsSearch job = operation_.prepare(request_);
    bool completed = false;
    ToolSteps steps{std::nullopt,
                    [&job, &completed](Progress& progress) { completed = job.run(progress); },
                    [this, &job, &completed] { return operation_.finish(job, completed); }, false};
    if (run_.run(steps, "PR_SEARCH_LAUNCHER") != OperationResult::Done)
        return;
    list_->clear();
    for (const OtherDump& dump : job.found()) {
        auto* row = new QTreeWidgetItem(list_, {fromBytes(dump.profile), fromBytes(dump.database)});
        row->setData(0, Qt::UserRole, itemBytes(dump.profile));
        row->setData(1, Qt::UserRole, itemBytes(dump.database));
    }
    find_->hide();
    raise();
    activateWindow();
}

}  // namespace corvane
