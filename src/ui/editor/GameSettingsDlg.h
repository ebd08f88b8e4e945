// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CollectProfile.h"
#include "app/ProfileForm.h"
#include "emulator/Launcher.h"
#include "ui/common/CLocalized.h"

class QMenu;
class QPushButton;
class QTabWidget;

namespace corvane {

class CCorvaneLauncherApp;
class GameSettingsCorvaneDataDlg;
class GameSettingsDiskDlg;
class GameSettingsEmulatorsDlg;
class GameSettingsGeneralDlg;
class GameSettingsHarddiskDlg;
class GameSettingsMoreDlg;
class GameSettingsRomDlg;
class GameSettingsScreenshotDlg;
class GameSettingsTapeDlg;

// The profile editor: a new profile or one of the current database on nine pages. Save stores
// it and closes the window, also when a check fails; Launch tries the pages' profile on an
// emulator without storing it; Close stores nothing.
class GameSettingsDlg : public CLocalized {
    Q_OBJECT
public:
    // edited: the profile to change, or null for a new one. The caller keeps it while the window
    // is open.
    GameSettingsDlg(CCorvaneLauncherApp& app, const Game* edited, QWidget* parent = nullptr);

    // A profile passed the checks on Save, so the caller's list should be loaded again.
    bool saved() const { return saved_; }
    // The name under which Save stored the profile; empty when nothing was stored.
    const std::string& storedName() const { return storedName_; }
    // What the pages hold now.
    ProfileForm form() const;

    void save();
    // SavedSettings (on Corvane, with the profile's own machine), OpenMSX or FMSX.
    void launch(LaunchCommand command);

    QTabWidget* tabs() const { return tabs_; }
    GameSettingsGeneralDlg* general() const { return general_; }
    GameSettingsRomDlg* rom() const { return rom_; }
    GameSettingsDiskDlg* disk() const { return disk_; }
    GameSettingsTapeDlg* tape() const { return tape_; }
    GameSettingsHarddiskDlg* hardDisk() const { return hardDisk_; }
    GameSettingsScreenshotDlg* screenshots() const { return screenshots_; }
    GameSettingsEmulatorsDlg* emulators() const { return emulators_; }
    GameSettingsCorvaneDataDlg* basicData() const { return basicData_; }
    GameSettingsMoreDlg* extraData() const { return extraData_; }
    QPushButton* launchButton() const { return launch_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* closeButton() const { return close_; }
    QMenu* launchMenu() const { return launchMenu_; }

private:
    // Where a field is shown, and what it is called in a message.
    struct FieldPlace {
        QWidget* page;
        QWidget* control;
        QString caption;
    };

    void createWidgets();
    void connectWidgets();
    void loadValues();
    void addLaunchEntry(int id, LaunchCommand command);
    FieldPlace fieldPlace(ProfileField field) const;
    // Shows the failed check's message and brings its field into view.
    void reportFailure(const CollectResult& result);

    CCorvaneLauncherApp& app_;
    const Game* edited_;
    bool saved_ = false;
    std::string storedName_;

    QTabWidget* tabs_ = nullptr;
    GameSettingsGeneralDlg* general_ = nullptr;
    GameSettingsRomDlg* rom_ = nullptr;
    GameSettingsDiskDlg* disk_ = nullptr;
    GameSettingsTapeDlg* tape_ = nullptr;
    GameSettingsHarddiskDlg* hardDisk_ = nullptr;
    GameSettingsScreenshotDlg* screenshots_ = nullptr;
    GameSettingsEmulatorsDlg* emulators_ = nullptr;
    GameSettingsCorvaneDataDlg* basicData_ = nullptr;
    GameSettingsMoreDlg* extraData_ = nullptr;
    QPushButton* launch_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* close_ = nullptr;
    QMenu* launchMenu_ = nullptr;
};

}  // namespace corvane
