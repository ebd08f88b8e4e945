// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/selection/SearchDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/common/DialogIds.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/ProgressWindow.h"
#include "ui/common/TextCodec.h"
#include "ui/selection/NameDatabaseTree.h"
#include "ui/selection/SelectionIds.h"

namespace corvane {

SearchDlg::SearchDlg(ProfileSearch& search, Prompter& prompter, const LanguageManager& languages,
                     QWidget* parent)
    : CLocalized(kDlgSearch, languages, parent), search_(search), prompter_(prompter) {
    createWidgets();
    connectWidgets();
    loadValues();
}

void SearchDlg::createWidgets() {
    setWindowTitle(QStringLiteral("Search"));
    auto* nameLabel = new QLabel(QStringLiteral("Name"), this);
    setCatalogueId(nameLabel, kIdSearchName);
    name_ = new QLineEdit(this);
    nameLabel->setBuddy(name_);
    find_ = new QPushButton(QStringLiteral("Find"), this);
    setCatalogueId(find_, kIdFind);
    auto* hint = new QLabel(QStringLiteral("( Enter complete or partial name. Search is case "
                                           "insensitive )"),
                            this);
    setCatalogueId(hint, kIdSearchHint);

    results_ = createNameDatabaseTree(this, 240);

    auto* foundLabel = new QLabel(QStringLiteral("Found :"), this);
    setCatalogueId(foundLabel, kIdFound);
    count_ = new QLabel(QStringLiteral("0"), this);
    question_ = new QLabel(
        QStringLiteral("Close this Window and locate selected profile in main Launcher Window?"),
        this);
    setCatalogueId(question_, kIdLocateQuestion);
    // Showing the question must not make the dialog jump.
    QSizePolicy keepSpace = question_->sizePolicy();
    keepSpace.setRetainSizeWhenHidden(true);
    question_->setSizePolicy(keepSpace);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QDialogButtonBox::Ok);
    cancel_ = buttons->addButton(QDialogButtonBox::Cancel);
    setCatalogueId(ok_, kIdOk);
    setCatalogueId(cancel_, kIdCancel);
    // Enter runs Find wherever the focus is; OK needs a deliberate click.
    find_->setDefault(true);
    ok_->setAutoDefault(false);
    cancel_->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(nameLabel);
    top->addWidget(name_, 1);
    top->addWidget(find_);
    auto* found = new QHBoxLayout;
    found->addWidget(foundLabel);
    found->addWidget(count_);
    found->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(hint);
    layout->addWidget(results_, 1);
    layout->addLayout(found);
    layout->addWidget(question_);
    layout->addWidget(buttons);
}

void SearchDlg::connectWidgets() {
    connect(find_, &QPushButton::clicked, this, &SearchDlg::find);
    connect(results_, &QTreeWidget::itemSelectionChanged, this, &SearchDlg::selectionChanged);
    connect(ok_, &QPushButton::clicked, this, &SearchDlg::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void SearchDlg::loadValues() {
    name_->setText(fromBytes(search_.lastText()));
    name_->setCursorPosition(static_cast<int>(name_->text().size()));
    question_->hide();
    ok_->setEnabled(false);
}

void SearchDlg::find() {
    results_->clear();
    hits_.clear();
    std::optional<SearchResult> found;
    if (const std::optional<SearchPlan> plan = search_.plan(toBytes(name_->text()))) {
        // Many databases take a while: they are read on a worker behind the progress window.
        ProgressWindow window(languages(), windowTitle(), this);
        if (windowSetup_)
            windowSetup_(window);
        window.run(
            [&found, &plan](Progress& progress) { found = ProfileSearch::run(*plan, progress); });
    }
    name_->setFocus();
    ok_->setEnabled(false);
    if (found && !found->unreadable.empty())
        reportUnreadable(prompter_, languages(), found->unreadable);
    if (!found || found->stopped || !found->unreadable.empty())
        return;
    hits_ = std::move(found->hits);
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(hits_.size()));
    for (const SearchHit& hit : hits_)
        rows.append(new QTreeWidgetItem({fromBytes(hit.profile), fromBytes(hit.database)}));
    results_->addTopLevelItems(rows);
    count_->setText(QString::number(hits_.size()));
    question_->hide();
}

void SearchDlg::selectionChanged() {
    if (results_->selectedItems().isEmpty())
        return;
    question_->show();
    ok_->setEnabled(true);
}

void SearchDlg::accept() {
    const QList<QTreeWidgetItem*> selected = results_->selectedItems();
    if (selected.isEmpty())
        return;
    // Rows are in the order of hits_, which holds the names in their own bytes.
    chosen_ = hits_.at(static_cast<size_t>(results_->indexOfTopLevelItem(selected.front())));
    QDialog::accept();
}

}  // namespace corvane
