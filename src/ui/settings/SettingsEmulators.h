// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "emulator/DefaultEmulator.h"
#include "model/Settings.h"

class QComboBox;
class QLineEdit;

namespace corvane {

class LanguageManager;
class PathRow;

// The emulator LAUNCH starts, and the folders and default arguments of openMSX and fMSX.
class SettingsEmulators : public QWidget {
    Q_OBJECT
public:
    explicit SettingsEmulators(const LanguageManager& languages, QWidget* parent = nullptr);

    void loadValues(const Settings& settings);
    void storeValues(Settings& settings) const;
    // Not part of settings.ini: stored in a file of its own.
    void loadDefaultEmulator(DefaultEmulator choice);
    DefaultEmulator defaultEmulator() const;

    QComboBox* defaultEmulatorBox() const { return defaultEmulator_; }
    PathRow* openMsxPath() const { return openMsxPath_; }
    QLineEdit* openMsxArguments() const { return openMsxArguments_; }
    PathRow* fmsxPath() const { return fmsxPath_; }
    QLineEdit* fmsxArguments() const { return fmsxArguments_; }

private:
    void createWidgets(const LanguageManager& languages);

    Settings loaded_;
    QComboBox* defaultEmulator_ = nullptr;
    PathRow* openMsxPath_ = nullptr;
    QLineEdit* openMsxArguments_ = nullptr;
    PathRow* fmsxPath_ = nullptr;
    QLineEdit* fmsxArguments_ = nullptr;
};

}  // namespace corvane
