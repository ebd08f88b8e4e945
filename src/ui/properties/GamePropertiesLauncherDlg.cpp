// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/properties/GamePropertiesLauncherDlg.h"

namespace corvane {

GamePropertiesLauncherDlg::GamePropertiesLauncherDlg(const Game& profile,
                                                     const std::string& database,
                                                     const std::string& sha1,
                                                     const TextSource& texts, QWidget* parent)
    : PropertyRowsPage(launcherRows(profile, database, sha1, texts), parent) {}

}  // namespace corvane
