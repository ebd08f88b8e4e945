// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/ImportExtraDataDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ImportExtraDataOperation.h"
#include "ui/common/CaptionedControl.h"
#include "ui/common/ItemBytes.h"
#include "ui/common/OkCancelButtons.h"
#include "ui/common/TextCodec.h"
#include "ui/tools/ExtraDataIds.h"
#include "ui/tools/ExtraDataOptionsBox.h"
#include "ui/tools/ExtraDataSteps.h"

namespace corvane {

ImportExtraDataDlg::ImportExtraDataDlg(ImportExtraDataOperation& operation, Prompter& prompter,
                                       const LanguageManager& languages, QWidget* parent)
    : CLocalized(kDlgImportExtraData, languages, parent),
      operation_(operation),
      run_(prompter, languages, this) {
    createWidgets();
    connectWidgets();
    loadValues();
}

void ImportExtraDataDlg::createWidgets() {
    setWindowTitle(QStringLiteral("Import Extra Profile Data"));
    all_ = captioned<QRadioButton>(this, "All", kIdAllDatabases);
    specific_ = captioned<QRadioButton>(this, "Specific :", kIdSpecificDatabase);
    databases_ = new QComboBox(this);
    options_ = new ExtraDataOptionsBox(this);
    backup_ = captioned<QCheckBox>(this, "Backup affected databases", kIdBackupAffected);
    buttons_ = createOkCancelButtons(this);

    auto* target = new QGridLayout;
    target->addWidget(all_, 0, 0);
    target->addWidget(specific_, 1, 0);
    target->addWidget(databases_, 1, 1);
    target->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(target);
    layout->addWidget(options_);
    layout->addWidget(backup_);
    layout->addWidget(buttons_);
}

void ImportExtraDataDlg::connectWidgets() {
    connect(specific_, &QRadioButton::toggled, databases_, &QWidget::setEnabled);
    connect(buttons_, &QDialogButtonBox::accepted, this, &ImportExtraDataDlg::startImport);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&run_, &ToolRun::ended, this, [this] { ran_ = true; });
}

void ImportExtraDataDlg::loadValues() {
    std::vector<std::string> names = operation_.databaseNames();
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
        databases_->addItem(fromBytes(name), itemBytes(name));
    databases_->setCurrentIndex(databases_->findData(itemBytes(operation_.currentDatabase())));
    all_->setChecked(true);
    databases_->setEnabled(false);
}

QPushButton* ImportExtraDataDlg::okButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

ExtraDataImportRequest ImportExtraDataDlg::request() const {
    ExtraDataImportRequest request;
    request.options = options_->options();
    request.allDatabases = all_->isChecked();
    if (!request.allDatabases)
        request.databaseName = bytesOfItem(databases_->currentData());
    request.backup = backup_->isChecked();
    return request;
}

void ImportExtraDataDlg::startImport() {
    std::optional<ImportExtraDataJob> job;
    run_.run(extraDataSteps(operation_, request(), job), "PR_IMPORT_EXTRA_DATA");
}

}  // namespace corvane
