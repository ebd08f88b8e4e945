// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "model/Settings.h"

class QLineEdit;

namespace corvane {

class LanguageManager;
class PathRow;

// Folders and default arguments of openMSX and fMSX.
class SettingsEmulators : public QWidget {
    Q_OBJECT
public:
    explicit SettingsEmulators(const LanguageManager& languages, QWidget* parent = nullptr);

    void loadValues(const Settings& settings);
    void storeValues(Settings& settings) const;

    PathRow* openMsxPath() const { return openMsxPath_; }
    QLineEdit* openMsxArguments() const { return openMsxArguments_; }
    PathRow* fmsxPath() const { return fmsxPath_; }
    QLineEdit* fmsxArguments() const { return fmsxArguments_; }

private:
    void createWidgets(const LanguageManager& languages);

    Settings loaded_;
    PathRow* openMsxPath_ = nullptr;
    QLineEdit* openMsxArguments_ = nullptr;
    PathRow* fmsxPath_ = nullptr;
    QLineEdit* fmsxArguments_ = nullptr;
};

}  // namespace corvane
