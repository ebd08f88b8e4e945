// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "model/Settings.h"

class QCheckBox;
class QComboBox;

namespace corvane {

// Whether the main window shows screenshots, how many, and their file type.
class SettingsScreenshots : public QWidget {
    Q_OBJECT
public:
    explicit SettingsScreenshots(QWidget* parent = nullptr);

    void loadValues(const Settings& settings);
    void storeValues(Settings& settings) const;

    QCheckBox* enabled() const { return enabled_; }
    QComboBox* count() const { return count_; }
    QComboBox* imageType() const { return imageType_; }

private:
    void createWidgets();
    void connectWidgets();
    void updateEnabling();

    QCheckBox* enabled_ = nullptr;
    QComboBox* count_ = nullptr;
    QComboBox* imageType_ = nullptr;
};

}  // namespace corvane
