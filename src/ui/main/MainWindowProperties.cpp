// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's properties view of one profile.
#include "app/CCorvaneLauncherApp.h"
#include "app/ProfileProperties.h"
#include "ui/common/WaitCursor.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/properties/GamePropertiesDlg.h"

namespace corvane {

void CCorvaneLauncherDlg::showProperties() {
    const Game* game = singleSelectedProfile();
    if (!game)
        return;
    // The record is copied: nothing the view does may depend on the list staying as it is.
    const Game profile = *game;
    const std::string database = app_.store().currentDatabaseName();
    PropertiesSubject subject;
    {
        // Hashing the medium and reading every software database takes a moment.
        WaitCursor wait(app_.prompter());
        subject = lookUpProperties(profile, database, app_.softwareSources(), app_.sha1Cache(),
                                   wait, app_.texts());
    }
    GamePropertiesDlg dialog(app_.languages(), app_.launcher(), app_.corvanePath(), &profile,
                             database, subject, this);
    dialog.exec();
}

}  // namespace corvane
