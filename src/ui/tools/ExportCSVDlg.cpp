// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/ExportCSVDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/Prompter.h"
#include "i18n/LanguageManager.h"
#include "ui/common/CaptionedControl.h"
#include "ui/common/ChooserFilter.h"
#include "ui/common/ItemBytes.h"
#include "ui/common/OkCancelButtons.h"
#include "ui/common/TextCodec.h"
#include "ui/tools/ExportCSVIds.h"

namespace corvane {

ExportCSVDlg::ExportCSVDlg(CsvExportSetup setup, Prompter& prompter,
                           const LanguageManager& languages, QWidget* parent)
    : CLocalized(kDlgExportCsv, languages, parent),
      setup_(std::move(setup)),
      prompter_(prompter),
      run_(prompter, languages, this) {
    createWidgets();
    connectWidgets();
    loadValues();
}

void ExportCSVDlg::createWidgets() {
    setWindowTitle(QStringLiteral("Export to CSV"));

    auto* databases = captioned<QGroupBox>(this, "Databases", kIdCsvDatabasesGroup);
    all_ = captioned<QRadioButton>(databases, "All", kIdCsvAll);
    specific_ = captioned<QRadioButton>(databases, "Specific :", kIdCsvSpecific);
    databases_ = new QComboBox(databases);
    databases_->setMinimumContentsLength(20);
    auto* databaseLayout = new QGridLayout(databases);
    databaseLayout->addWidget(all_, 0, 0);
    databaseLayout->addWidget(specific_, 1, 0);
    databaseLayout->addWidget(databases_, 1, 1);
    databaseLayout->setColumnStretch(1, 1);

    auto* output = captioned<QGroupBox>(this, "CSV Filename", kIdCsvFilenameGroup);
    auto* fileLabel = captioned<QLabel>(output, "File", kIdCsvFile);
    file_ = new QLineEdit(output);
    file_->setMinimumWidth(320);
    fileLabel->setBuddy(file_);
    browse_ = captioned<QPushButton>(output, "Browse", kIdCsvBrowse);
    browse_->setAutoDefault(false);
    auto* outputLayout = new QHBoxLayout(output);
    outputLayout->addWidget(fileLabel);
    outputLayout->addWidget(file_, 1);
    outputLayout->addWidget(browse_);

    buttons_ = createOkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(databases);
    layout->addWidget(output);
    layout->addWidget(buttons_);
}

void ExportCSVDlg::connectWidgets() {
    connect(specific_, &QRadioButton::toggled, databases_, &QWidget::setEnabled);
    connect(browse_, &QPushButton::clicked, this, &ExportCSVDlg::browse);
    connect(buttons_, &QDialogButtonBox::accepted, this, &ExportCSVDlg::startExport);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ExportCSVDlg::loadValues() {
    for (const std::string& name : setup_.operation.databaseNames())
        databases_->addItem(fromBytes(name), itemBytes(name));
    databases_->setCurrentIndex(
        databases_->findData(itemBytes(setup_.operation.currentDatabase())));
    all_->setChecked(true);
    databases_->setEnabled(false);
}

// An existing file is only confirmed at OK, so the chooser takes any name.
void ExportCSVDlg::browse() {
    const LanguageManager& texts = languages();
    const QString filter = catalogueText(texts, "L_CSV_FILES") + QStringLiteral(" (*.csv)|*.csv|") +
                           catalogueText(texts, "L_ALL_FILES") + QStringLiteral(" (*.*)|*.*||");
    QFileDialog chooser(this, windowTitle(), file_->text());
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::AnyFile);
    chooser.setNameFilters(ChooserFilter::toQtList(filter));
    chooser.setDefaultSuffix(QStringLiteral("csv"));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    file_->setText(chooser.selectedFiles().constFirst());
}

QPushButton* ExportCSVDlg::okButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

CsvExportRequest ExportCSVDlg::request() const {
    CsvExportRequest request;
    request.all = all_->isChecked();
    request.database = bytesOfItem(databases_->currentData());
    request.file = toBytes(file_->text());
    return request;
}

void ExportCSVDlg::startExport() {
    if (run_.running())
        return;
    CsvExportOperation& operation = setup_.operation;
    CsvExportRequest chosen = request();
    ToolSteps steps{operation.refusal(chosen), {}, {}};
    if (!steps.refusal) {
        if (CsvExportOperation::replacesFile(chosen) &&
            !prompter_.confirm(languages().text("M_FILE_EXIST_REPLACE")))
            return;
        job_.emplace(operation.prepare(chosen, setup_.sources));
    }
    steps.job = [this](Progress& progress) { job_->run(progress); };
    steps.finish = [this, &operation] { return operation.finish(*job_); };
    run_.run(steps, "PR_GENERATE_CSV");
}

}  // namespace corvane
