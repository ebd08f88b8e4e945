// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "ui/properties/PropertyRowsPage.h"

namespace corvane {

class Game;
class TextSource;

// The profile as the launcher keeps it: name, main medium, SHA-1 and the user's own data.
class GamePropertiesLauncherDlg : public PropertyRowsPage {
    Q_OBJECT
public:
    GamePropertiesLauncherDlg(const Game& profile, const std::string& database,
                              const std::string& sha1, const TextSource& texts,
                              QWidget* parent = nullptr);
};

}  // namespace corvane
