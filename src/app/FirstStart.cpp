// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FirstStart.h"

#include "common/LineReader.h"
#include "common/Path.h"
#include "platform/ExecutableName.h"
#include "platform/ProgramOnPath.h"

namespace corvane {

bool isFirstStart(const std::string& baseDirectory) {
    const LineReader reader(joinPath(baseDirectory, kSettingsFileName));
    return !reader.isOpen() && reader.missing();
}

Settings firstStartSettings(const std::string& searchPath) {
    Settings settings;
    settings.openMsxDirectory = folderOfProgramOnPath(searchPath, executableFileName("openmsx"));
    settings.useDefaultViewer = true;
    return settings;
}

Settings startSettings(const std::string& baseDirectory, const std::string& searchPath) {
    return isFirstStart(baseDirectory) ? firstStartSettings(searchPath)
                                       : loadSettings(baseDirectory);
}

}  // namespace corvane
