// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/SetExtraDataDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

#include "app/ImportExtraDataOperation.h"
#include "ui/common/CaptionedControl.h"
#include "ui/common/OkCancelButtons.h"
#include "ui/common/TextCodec.h"
#include "ui/tools/ExtraDataIds.h"
#include "ui/tools/ExtraDataOptionsBox.h"
#include "ui/tools/ExtraDataSteps.h"

namespace corvane {

SetExtraDataDlg::SetExtraDataDlg(ImportExtraDataOperation& operation,
                                 std::vector<std::string> profiles, Prompter& prompter,
                                 const LanguageManager& languages, QWidget* parent)
    : CLocalized(kDlgSetExtraData, languages, parent),
      operation_(operation),
      profiles_(std::move(profiles)),
      run_(prompter, languages, this) {
    createWidgets();
    connectWidgets();
    loadValues();
}

void SetExtraDataDlg::createWidgets() {
    setWindowTitle(QStringLiteral("Set Extra Profile Data"));
    auto* caption = captioned<QLabel>(this, "Selected Profiles", kIdSelectedProfiles);
    profileList_ = new QListView(this);
    // Select All may bring every profile of a large database.
    profileList_->setUniformItemSizes(true);
    profileList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    profileList_->setSelectionMode(QAbstractItemView::NoSelection);
    profileList_->setMinimumHeight(120);
    caption->setBuddy(profileList_);
    options_ = new ExtraDataOptionsBox(this);
    backup_ = captioned<QCheckBox>(this, "Backup existing database", kIdBackupExisting);
    buttons_ = createOkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(profileList_, 1);
    layout->addWidget(options_);
    layout->addWidget(backup_);
    layout->addWidget(buttons_);
}

void SetExtraDataDlg::connectWidgets() {
    connect(buttons_, &QDialogButtonBox::accepted, this, &SetExtraDataDlg::startImport);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&run_, &ToolRun::ended, this, [this] { ran_ = true; });
}

void SetExtraDataDlg::loadValues() {
    QStringList names;
    names.reserve(static_cast<qsizetype>(profiles_.size()));
    for (const std::string& name : profiles_)
        names << fromBytes(name);
    profileList_->setModel(new QStringListModel(names, profileList_));
}

QPushButton* SetExtraDataDlg::okButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

ExtraDataImportRequest SetExtraDataDlg::request() const {
    ExtraDataImportRequest request;
    request.options = options_->options();
    request.allDatabases = false;
    request.databaseName = operation_.currentDatabase();
    request.profiles = profiles_;
    request.backup = backup_->isChecked();
    return request;
}

void SetExtraDataDlg::startImport() {
    std::optional<ImportExtraDataJob> job;
    run_.run(extraDataSteps(operation_, request(), job), "PR_IMPORT_EXTRA_DATA");
}

}  // namespace corvane
