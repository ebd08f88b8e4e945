// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings/SettingsDlg.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/CCorvaneLauncherApp.h"
#include "common/Prompter.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/IgnoreEnterEtc.h"
#include "ui/common/OkCancelButtons.h"
#include "ui/settings/SettingsBackground.h"
#include "ui/settings/SettingsEmulators.h"
#include "ui/settings/SettingsGeneral.h"
#include "ui/settings/SettingsIds.h"
#include "ui/settings/SettingsLanguage.h"
#include "ui/settings/SettingsScreenshots.h"

namespace corvane {

SettingsDlg::SettingsDlg(CCorvaneLauncherApp& app, QWidget* parent)
    : CLocalized(kDlgSettings, app.languages(), parent), app_(app) {
    createWidgets();
    connectWidgets();
    loadValues();
}

void SettingsDlg::createWidgets() {
    const LanguageManager& texts = app_.languages();
    tabs_ = new QTabWidget(this);
    // The default database may be one another program made since the list was read.
    app_.store().forgetDatabaseList();
    general_ = new SettingsGeneral(texts, app_.store().databaseNames(), tabs_);
    screenshots_ = new SettingsScreenshots(tabs_);
    background_ = new SettingsBackground(texts, tabs_);
    emulators_ = new SettingsEmulators(texts, tabs_);
    language_ = new SettingsLanguage(texts, tabs_);
    tabs_->addTab(general_, textForKey("L_GENERAL"));
    tabs_->addTab(screenshots_, textForKey("L_SCREENSHOTS"));
    tabs_->addTab(background_, textForKey("L_BACKGROUND"));
    tabs_->addTab(emulators_, textForKey("L_EMULATORS"));
    tabs_->addTab(language_, textForKey("L_LANGUAGE"));
    // The pages and their tab bar: only the buttons below close the dialog.
    IgnoreEnterEtc::install(tabs_);

    buttons_ = createOkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons_);
}

void SettingsDlg::connectWidgets() {
    connect(buttons_, &QDialogButtonBox::accepted, this, &SettingsDlg::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void SettingsDlg::loadValues() {
    const Settings& settings = app_.settings();
    general_->loadValues(settings);
    screenshots_->loadValues(settings);
    background_->loadValues(settings);
    emulators_->loadValues(settings);
    emulators_->loadDefaultEmulator(app_.launcher().defaultEmulator());
    language_->loadValues(settings);
}

void SettingsDlg::accept() {
    // A page that offers no choice for a value (no theme list) leaves it as it is.
    Settings settings = app_.settings();
    general_->storeValues(settings);
    screenshots_->storeValues(settings);
    background_->storeValues(settings);
    emulators_->storeValues(settings);
    language_->storeValues(settings);
    const bool directoryChanged = settings.emulatorDirectory != app_.settings().emulatorDirectory;
    if (!app_.applySettings(settings) ||
        !app_.applyDefaultEmulator(emulators_->defaultEmulator())) {
        reportError(app_.prompter(), app_.languages(), "M_ERR_FILE_IO");
        return;
    }
    emulatorDirectoryChanged_ = directoryChanged;
    QDialog::accept();
}

}  // namespace corvane
