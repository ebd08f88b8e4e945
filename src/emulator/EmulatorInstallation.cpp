// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/EmulatorInstallation.h"

#include "common/DirectoryListing.h"
#include "common/Path.h"
#include "model/Game.h"
#include "platform/ExecutableName.h"

namespace corvane {

std::string EmulatorInstallation::executable() const {
    return joinPath(path_, executableFileName("Corvane"));
}

std::string EmulatorInstallation::machinesDirectory() const {
    return joinPath(path_, "Machines");
}

std::string EmulatorInstallation::machineConfig(std::string_view machine) const {
    return joinPath(joinPath(machinesDirectory(), machine), "config.ini");
}

std::string EmulatorInstallation::sunriseIdeRom() const {
    return joinPath(joinPath(machinesDirectory(), kSharedRoms), "SUNRISEIDE.rom");
}

std::string EmulatorInstallation::databasesDirectory() const {
    return joinPath(path_, "Databases");
}

std::string EmulatorInstallation::screenshotsDirectory() const {
    return joinPath(path_, "Screenshots");
}

std::string EmulatorInstallation::resolve(std::string_view relativePath) const {
    std::string native(relativePath);
    for (char& c : native) {
        if (c == '/' || c == '\\')
            c = kPathSeparator;
    }
    return joinPath(path_, native);
}

bool EmulatorInstallation::isValid(bool requireDatabases) const {
    if (path_.empty() || !fileExists(executable()))
        return false;
    return !requireDatabases || isDirectory(databasesDirectory());
}

std::optional<std::vector<std::string>> EmulatorInstallation::databaseFiles() const {
    std::optional<std::vector<std::string>> names = listDirectory(databasesDirectory());
    if (!names)
        return std::nullopt;
    std::erase_if(*names, [](const std::string& name) { return !IsXmlFile(name); });
    return names;
}

std::vector<std::string> EmulatorInstallation::themeNames() const {
    return listDirectory(joinPath(path_, "Themes")).value_or(std::vector<std::string>{});
}

}  // namespace corvane
