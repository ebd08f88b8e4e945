// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/DragAndDrop.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/FillOperation.h"
#include "ui/common/CaptionedControl.h"
#include "ui/common/DialogIds.h"
#include "ui/tools/DragAndDropIds.h"
#include "ui/tools/FillChoices.h"
#include "ui/tools/PathList.h"

namespace corvane {

DragAndDrop::DragAndDrop(FillSetup setup, Prompter& prompter, const LanguageManager& languages,
                         const std::vector<std::string>& paths, QWidget* parent)
    : CLocalized(kDlgAddToCurrentDatabase, languages, parent),
      setup_(std::move(setup)),
      prompter_(prompter),
      run_(prompter, languages, this) {
    createWidgets();
    connectWidgets();
    loadValues(paths);
}

void DragAndDrop::createWidgets() {
    setWindowTitle(QStringLiteral("Add to Current Database"));

    auto* dropped = captioned<QGroupBox>(this, "Files and directories to add", kIdDroppedGroup);
    paths_ = new PathList(dropped);
    paths_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    paths_->setMinimumSize(380, 140);
    addFile_ = captioned<QPushButton>(dropped, "Add File", kIdAddFile);
    addDirectory_ = captioned<QPushButton>(dropped, "Add Directory", kIdAddDirectory);
    remove_ = captioned<QPushButton>(dropped, "Remove", kIdRemoveEntry);
    auto* listButtons = new QVBoxLayout;
    for (QPushButton* button : {addFile_, addDirectory_, remove_}) {
        button->setAutoDefault(false);
        listButtons->addWidget(button);
    }
    listButtons->addStretch();
    auto* listLayout = new QHBoxLayout(dropped);
    listLayout->addWidget(paths_, 1);
    listLayout->addLayout(listButtons);

    subdirectories_ = tickedBox(this, "Search subdirectories", kIdSearchSubdirectories);
    backup_ = tickedBox(this, "Backup existing database", kIdBackup);
    extraData_ = tickedBox(this, "Import extra profile data", kIdExtraData);
    auto* namingLabel = captioned<QLabel>(this, "Profile name in launcher :", kIdNamingLabel);
    naming_ = createNamingCombo(languages(), this);
    namingLabel->setBuddy(naming_);
    auto* machineLabel = captioned<QLabel>(this, "Machine :", kIdMachineLabel);
    machine_ = createMachineCombo(setup_.machines, this);
    machineLabel->setBuddy(machine_);
    auto* options = new QGridLayout;
    options->addWidget(subdirectories_, 0, 0, 1, 2);
    options->addWidget(backup_, 1, 0, 1, 2);
    options->addWidget(extraData_, 2, 0, 1, 2);
    options->addWidget(namingLabel, 3, 0);
    options->addWidget(naming_, 3, 1);
    options->addWidget(machineLabel, 4, 0);
    options->addWidget(machine_, 4, 1);
    options->setColumnStretch(1, 1);

    // Add stands where OK does, with the standard Cancel beside it.
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    add_ = buttons_->addButton(QStringLiteral("Add"), QDialogButtonBox::AcceptRole);
    setCatalogueId(add_, kIdAdd);
    add_->setDefault(true);
    cancel_ = buttons_->button(QDialogButtonBox::Cancel);
    setCatalogueId(cancel_, kIdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dropped, 1);
    layout->addLayout(options);
    layout->addWidget(buttons_);
}

void DragAndDrop::connectWidgets() {
    connect(addFile_, &QPushButton::clicked, this,
            [this] { paths_->addChosenFile(prompter_, languages()); });
    connect(addDirectory_, &QPushButton::clicked, this,
            [this] { paths_->addChosenDirectory(prompter_, languages()); });
    connect(remove_, &QPushButton::clicked, paths_, &PathList::removeSelected);
    connect(buttons_, &QDialogButtonBox::accepted, this, &DragAndDrop::startFill);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void DragAndDrop::loadValues(const std::vector<std::string>& paths) {
    // A path dropped twice is one line.
    for (const std::string& path : paths)
        paths_->addPath(path);
}

void DragAndDrop::startFill() {
    FillRequest request;
    request.dropped = true;
    request.paths = paths_->paths();
    request.searchSubdirectories = subdirectories_->isChecked();
    request.target = FillTarget::Existing;
    request.databaseName = setup_.operation.currentDatabase();
    request.mode = FillMode::Append;
    request.naming = chosenNaming(naming_);
    request.backup = backup_->isChecked();
    request.media = {};
    request.machine = chosenMachine(machine_);
    request.extraData = extraData_->isChecked();
    std::optional<FillJob> job;
    run_.run(fillSteps(setup_, std::move(request), job), "M_ADDING_FILES");
}

}  // namespace corvane
