// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/common/CLocalized.h"

class QDialogButtonBox;
class QTabWidget;

namespace corvane {

class CCorvaneLauncherApp;
class SettingsBackground;
class SettingsEmulators;
class SettingsGeneral;
class SettingsLanguage;
class SettingsScreenshots;

// The five pages of settings.ini. OK writes the file and applies the values through the
// application; when the file cannot be written the dialog says so and stays open.
class SettingsDlg : public CLocalized {
    Q_OBJECT
public:
    explicit SettingsDlg(CCorvaneLauncherApp& app, QWidget* parent = nullptr);

    // After OK: the Corvane Path changed, so the emulator's software databases must be reloaded.
    bool emulatorDirectoryChanged() const { return emulatorDirectoryChanged_; }

    QTabWidget* tabs() const { return tabs_; }
    QDialogButtonBox* buttons() const { return buttons_; }
    SettingsGeneral* general() const { return general_; }
    SettingsScreenshots* screenshots() const { return screenshots_; }
    SettingsBackground* background() const { return background_; }
    SettingsEmulators* emulators() const { return emulators_; }
    SettingsLanguage* language() const { return language_; }

    void accept() override;

private:
    void createWidgets();
    void connectWidgets();
    void loadValues();

    CCorvaneLauncherApp& app_;
    QTabWidget* tabs_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    SettingsGeneral* general_ = nullptr;
    SettingsScreenshots* screenshots_ = nullptr;
    SettingsBackground* background_ = nullptr;
    SettingsEmulators* emulators_ = nullptr;
    SettingsLanguage* language_ = nullptr;
    bool emulatorDirectoryChanged_ = false;
};

}  // namespace corvane
