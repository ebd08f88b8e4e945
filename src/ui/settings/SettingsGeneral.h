// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "model/Settings.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace corvane {

class LanguageManager;
class PathRow;

// Corvane Path, info viewer, default database, full screen and theme.
class SettingsGeneral : public QWidget {
    Q_OBJECT
public:
    SettingsGeneral(const LanguageManager& languages, const std::vector<std::string>& databases,
                    QWidget* parent = nullptr);

    void loadValues(const Settings& settings);
    void storeValues(Settings& settings) const;

    PathRow* emulatorPath() const { return emulatorPath_; }
    QRadioButton* defaultViewer() const { return defaultViewer_; }
    QRadioButton* specificViewer() const { return specificViewer_; }
    PathRow* viewerPath() const { return viewerPath_; }
    QComboBox* database() const { return database_; }
    QCheckBox* fullScreen() const { return fullScreen_; }
    QComboBox* theme() const { return theme_; }

private:
    void createWidgets(const std::vector<std::string>& databases);
    void connectWidgets();
    void updateEnabling();
    std::string emulatorDirectory() const;
    // Lists the themes of the directory in the Corvane Path box and selects the given value.
    void fillThemes(const std::string& selectedValue);
    std::string selectedTheme() const;

    const LanguageManager& languages_;
    Settings loaded_;
    PathRow* emulatorPath_ = nullptr;
    QRadioButton* defaultViewer_ = nullptr;
    QRadioButton* specificViewer_ = nullptr;
    PathRow* viewerPath_ = nullptr;
    QComboBox* database_ = nullptr;
    QCheckBox* fullScreen_ = nullptr;
    QComboBox* theme_ = nullptr;
};

}  // namespace corvane
