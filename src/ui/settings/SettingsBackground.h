// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "model/Settings.h"

class QComboBox;
class QLabel;
class QRadioButton;

namespace corvane {

class LanguageManager;
class PathRow;

// The main window's background: the built-in picture or the user's, and how it is laid out.
class SettingsBackground : public QWidget {
    Q_OBJECT
public:
    explicit SettingsBackground(const LanguageManager& languages, QWidget* parent = nullptr);

    void loadValues(const Settings& settings);
    void storeValues(Settings& settings) const;

    QRadioButton* defaultImage() const { return defaultImage_; }
    QRadioButton* customImage() const { return customImage_; }
    PathRow* imagePath() const { return imagePath_; }
    QComboBox* layout() const { return layout_; }

private:
    void createWidgets(const LanguageManager& languages);
    void connectWidgets();
    void updateEnabling();

    Settings loaded_;
    QRadioButton* defaultImage_ = nullptr;
    QRadioButton* customImage_ = nullptr;
    PathRow* imagePath_ = nullptr;
    QComboBox* layout_ = nullptr;
    QLabel* layoutLabel_ = nullptr;
};

}  // namespace corvane
