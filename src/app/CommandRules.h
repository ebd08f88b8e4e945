// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

#include "emulator/Launcher.h"

namespace corvane {

class DatabaseStore;
class Game;

// Whether a command can run now and, when it cannot, what it needs: the catalogue key of a text
// that tells the user how to get there.
struct Availability {
    std::string_view missing;
    // The need is met in Options > Settings, whose captions the text is followed by.
    bool metInSettings = false;

    bool available() const { return missing.empty(); }
};

// The rules that enable the main window's commands, decided from the application's state.

// Fill Database and the Database Manager's Fill need some emulator to name the new profiles by.
Availability fillDatabaseRule(const Launcher& launcher, bool requireDatabases);
// Filters, search, favorites, marks and the run flags work on a database.
Availability databaseRule(DatabaseStore& store);
// openMSX and fMSX need their path; the other launch commands need nothing of the settings.
Availability emulatorRule(const Launcher& launcher, LaunchCommand command);
// Move needs a database besides the current one.
Availability moveRule(DatabaseStore& store);
// LAUNCH, EDIT and the one-profile entries need exactly one profile selected, profile.
Availability oneProfileRule(size_t selected, const Game* profile);
// REMOVE takes any number of profiles but none.
Availability profilesRule(size_t selected);
// Other Dumps needs one profile, and software databases to know its software by.
Availability otherDumpsRule(size_t selected, const Game* profile, const Launcher& launcher);
// Info needs one profile, and that profile an info file.
Availability infoRule(size_t selected, const Game* profile);

}  // namespace corvane
