// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "model/Settings.h"

class QListWidget;

namespace corvane {

class LanguageManager;

// The ten interface languages, each with its flag and its name in the current language.
class SettingsLanguage : public QWidget {
    Q_OBJECT
public:
    explicit SettingsLanguage(const LanguageManager& languages, QWidget* parent = nullptr);

    // Selects the current language of the catalogue; the settings value may be 0 or unknown,
    // which the catalogue has already turned into English.
    void loadValues(const Settings& settings);
    void storeValues(Settings& settings) const;

    QListWidget* list() const { return list_; }

private:
    void createWidgets();

    const LanguageManager& languages_;
    QListWidget* list_ = nullptr;
};

}  // namespace corvane
