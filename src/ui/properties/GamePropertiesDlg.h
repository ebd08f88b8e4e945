// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "app/ProfileProperties.h"
#include "ui/common/CLocalized.h"

class QDialogButtonBox;
class QTabWidget;

namespace corvane {

class Game;
class GamePropertiesCapturesDlg;
class GamePropertiesCorvaneDlg;
class GamePropertiesLauncherDlg;
class GamePropertiesMSXGENIDDlg;
class Launcher;

// What is known of one profile, or of one dump of the emulator's software database: read only,
// closed with OK.
class GamePropertiesDlg : public CLocalized {
    Q_OBJECT
public:
    // profile may be null (a dump without a profile); database names the profile's database;
    // corvanePath is where the emulator keeps its captures.
    GamePropertiesDlg(const LanguageManager& languages, Launcher& launcher,
                      const std::string& corvanePath, const Game* profile,
                      const std::string& database, const PropertiesSubject& subject,
                      QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }
    QDialogButtonBox* buttons() const { return buttons_; }
    // The pages; nullptr for a page the view does not show.
    GamePropertiesLauncherDlg* launcherPage() const { return launcher_; }
    GamePropertiesCorvaneDlg* corvanePage() const { return corvane_; }
    GamePropertiesCapturesDlg* capturesPage() const { return captures_; }
    GamePropertiesMSXGENIDDlg* generationMsxPage() const { return generationMsx_; }

private:
    void createWidgets(Launcher& launcher, const std::string& corvanePath, const Game* profile,
                       const std::string& database, const PropertiesSubject& subject);
    void connectWidgets();

    QTabWidget* tabs_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    GamePropertiesLauncherDlg* launcher_ = nullptr;
    GamePropertiesCorvaneDlg* corvane_ = nullptr;
    GamePropertiesCapturesDlg* captures_ = nullptr;
    GamePropertiesMSXGENIDDlg* generationMsx_ = nullptr;
};

}  // namespace corvane
