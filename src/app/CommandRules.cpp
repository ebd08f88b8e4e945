// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandRules.h"

#include "model/DatabaseStore.h"
#include "model/Game.h"

namespace corvane {

Availability fillDatabaseRule(const Launcher& launcher, bool requireDatabases) {
    if (launcher.isAnyEmulatorConfigured(requireDatabases))
        return {};
    return {"M_NEED_EMULATOR_PATH", true};
}

Availability databaseRule(DatabaseStore& store) {
    if (!store.databaseList().empty())
        return {};
    return {"M_NEED_DATABASE"};
}

Availability emulatorRule(const Launcher& launcher, LaunchCommand command) {
    if (launcher.isAvailable(command))
        return {};
    if (Launcher::launchTarget(command).emulator == EmulatorKind::FMSX)
        return {"M_NEED_FMSX_PATH", true};
    return {"M_NEED_OPENMSX_PATH", true};
}

Availability moveRule(DatabaseStore& store) {
    if (store.databaseList().size() >= 2)
        return {};
    return {"M_NEED_SECOND_DATABASE"};
}

Availability oneProfileRule(size_t selected, const Game* profile) {
    if (selected == 1 && profile)
        return {};
    return {"M_NEED_ONE_PROFILE"};
}

Availability profilesRule(size_t selected) {
    if (selected > 0)
        return {};
    return {"M_NEED_PROFILES"};
}

Availability otherDumpsRule(size_t selected, const Game* profile, const Launcher& launcher) {
    const Availability one = oneProfileRule(selected, profile);
    return one.available() ? fillDatabaseRule(launcher, true) : one;
}

Availability infoRule(size_t selected, const Game* profile) {
    const Availability one = oneProfileRule(selected, profile);
    if (!one.available())
        return one;
    if (profile->infoFile.empty())
        return {"M_NEED_INFO_FILE"};
    return {};
}

}  // namespace corvane
