// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <string>

class QLabel;

namespace corvane {

class Launcher;
class LanguageManager;

// The profile's page on the Generation-MSX site, once its id has been imported.
class GamePropertiesMSXGENIDDlg : public QWidget {
    Q_OBJECT
public:
    GamePropertiesMSXGENIDDlg(const LanguageManager& languages, Launcher& launcher,
                              const std::string& generationMsxId, QWidget* parent = nullptr);

    // The link, or the note that there is none.
    QLabel* label() const { return label_; }
    // Empty when the profile has no id.
    const std::string& link() const { return link_; }

private:
    void createWidgets(const LanguageManager& languages, const std::string& generationMsxId);
    void connectWidgets();

    Launcher& launcher_;
    std::string link_;
    QLabel* label_ = nullptr;
};

}  // namespace corvane
