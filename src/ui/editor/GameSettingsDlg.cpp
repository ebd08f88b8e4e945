// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/editor/GameSettingsDlg.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/CCorvaneLauncherApp.h"
#include "common/Prompter.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/IgnoreEnterEtc.h"
#include "ui/common/TextCodec.h"
#include "ui/editor/Captioned.h"
#include "ui/editor/EditorIds.h"
#include "ui/editor/GameSettingsCorvaneDataDlg.h"
#include "ui/editor/GameSettingsDiskDlg.h"
#include "ui/editor/GameSettingsEmulatorsDlg.h"
#include "ui/editor/GameSettingsGeneralDlg.h"
#include "ui/editor/GameSettingsHarddiskDlg.h"
#include "ui/editor/GameSettingsMoreDlg.h"
#include "ui/editor/GameSettingsRomDlg.h"
#include "ui/editor/GameSettingsScreenshotDlg.h"
#include "ui/editor/GameSettingsTapeDlg.h"
#include "ui/main/CommandLineOutputDlg.h"

namespace corvane {

GameSettingsDlg::GameSettingsDlg(CCorvaneLauncherApp& app, const Game* edited, QWidget* parent)
    : CLocalized(kDlgGameSettings, app.languages(), parent), app_(app), edited_(edited) {
    createWidgets();
    connectWidgets();
    loadValues();
}

void GameSettingsDlg::createWidgets() {
    const LanguageManager& languages = app_.languages();
    tabs_ = new QTabWidget(this);
    general_ = new GameSettingsGeneralDlg(languages, app_.machineChoices(), tabs_);
    rom_ = new GameSettingsRomDlg(languages, tabs_);
    disk_ = new GameSettingsDiskDlg(languages, tabs_);
    tape_ = new GameSettingsTapeDlg(languages, tabs_);
    hardDisk_ = new GameSettingsHarddiskDlg(languages, tabs_);
    screenshots_ = new GameSettingsScreenshotDlg(languages, tabs_);
    emulators_ = new GameSettingsEmulatorsDlg(tabs_);
    basicData_ = new GameSettingsCorvaneDataDlg(languages, tabs_);
    extraData_ = new GameSettingsMoreDlg(languages, tabs_);
    const std::pair<QWidget*, const char*> pages[] = {
        {general_, "L_GENERAL"},        {rom_, "MEDIUM_ROM"},
        {disk_, "MEDIUM_DISK"},         {tape_, "MEDIUM_TAPE"},
        {hardDisk_, "MEDIUM_HARDDISK"}, {screenshots_, "L_SCREENSHOTS"},
        {emulators_, "L_EMULATORS"},    {basicData_, "L_CORVANE_DATA"},
        {extraData_, "L_EXTRA_DATA"}};
    for (const auto& [page, key] : pages)
        tabs_->addTab(page, textForKey(key));
    // Every page's tab in sight: the window is as wide as the tabs need.
    tabs_->setUsesScrollButtons(false);
    // Only the buttons close the window.
    IgnoreEnterEtc::install(tabs_);

    launch_ = captioned<QPushButton>(kIdEditorLaunch, "Launch", this);
    launchMenu_ = new QMenu(launch_);
    addLaunchEntry(kMenuLaunchCorvane, LaunchCommand::SavedSettings);
    addLaunchEntry(kMenuLaunchOpenMsx, LaunchCommand::OpenMSX);
    addLaunchEntry(kMenuLaunchFmsx, LaunchCommand::FMSX);
    launch_->setMenu(launchMenu_);
    save_ = captioned<QPushButton>(kIdEditorSave, "Save", this);
    close_ = captioned<QPushButton>(kIdEditorClose, "Close", this);
    // No button is the default one: Enter in a field presses nothing.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(launch_);
    buttons->addStretch(1);
    buttons->addWidget(save_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
    general_->nameEdit()->setFocus();
}

void GameSettingsDlg::addLaunchEntry(int id, LaunchCommand command) {
    QAction* entry = launchMenu_->addAction(textForId(id));
    entry->setData(id);
    // An emulator without a path cannot be tried.
    entry->setEnabled(app_.launcher().isAvailable(command));
    connect(entry, &QAction::triggered, this, [this, command] { launch(command); });
}

void GameSettingsDlg::connectWidgets() {
    connect(save_, &QPushButton::clicked, this, &GameSettingsDlg::save);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
}

void GameSettingsDlg::loadValues() {
    const ProfileForm form = edited_ ? profileFormOf(*edited_) : newProfileForm();
    general_->load(form, edited_ == nullptr);
    rom_->load(form);
    disk_->load(form);
    tape_->load(form);
    hardDisk_->load(form);
    screenshots_->load(form);
    emulators_->load(form);
    basicData_->load(form);
    extraData_->load(form);
}

ProfileForm GameSettingsDlg::form() const {
    ProfileForm form;
    general_->store(form);
    rom_->store(form);
    disk_->store(form);
    tape_->store(form);
    hardDisk_->store(form);
    screenshots_->store(form);
    emulators_->store(form);
    basicData_->store(form);
    extraData_->store(form);
    return form;
}

void GameSettingsDlg::reportFailure(const CollectResult& result) {
    std::string text = app_.texts().text(result.failureKey);
    if (result.field) {
        const FieldPlace place = fieldPlace(*result.field);
        text += toBytes(place.caption);
        tabs_->setCurrentWidget(place.page);
        place.control->setFocus();
    }
    app_.prompter().message(text, MessageKind::Error);
}

void GameSettingsDlg::save() {
    const CollectResult collected = collectProfile(form(), CollectMode::Saving);
    if (!collected.profile) {
        reportFailure(collected);
        reject();
        return;
    }
    Game profile = *collected.profile;
    if (edited_)
        profile.generationMsxId = edited_->generationMsxId;
    const OperationResult result =
        app_.profileOperations().saveProfile(profile, app_.store().currentDatabaseName(), edited_);
    if (changeMade(result)) {
        storedName_ = profile.name;
        app_.prompter().message("\"" + profile.name + "\"" + app_.texts().text("M_GAME_SAVED"),
                                MessageKind::Info);
    }
    reportResult(app_.prompter(), app_.languages(), result);
    saved_ = true;
    accept();
}

void GameSettingsDlg::launch(LaunchCommand command) {
    const CollectResult collected = collectProfile(form(), CollectMode::Trying);
    if (!collected.profile) {
        reportFailure(collected);
        return;
    }
    Launcher::ConfirmCommandLine confirm;
    if (app_.flags().showCommandLine)
        confirm = [this](const std::string& arguments) {
            CommandLineOutputDlg dialog(app_.languages(), fromBytes(arguments), this);
            return dialog.exec() == QDialog::Accepted;
        };
    app_.launcher().launch(&*collected.profile, command, confirm);
}

}  // namespace corvane
