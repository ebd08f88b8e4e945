// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/HelpFile.h"

#include "common/Path.h"
#include "common/Prompter.h"
#include "common/TextSource.h"
#include "i18n/LanguageManager.h"
#include "platform/DesktopShell.h"

namespace corvane {

std::optional<std::string> helpFilePath(const std::string& baseDirectory, int languageId) {
    for (const std::string& name :
         {"Corvane Launcher_" + LanguageManager::languageCode(languageId) + ".chm",
          std::string("Corvane Launcher.chm")}) {
        std::string path = joinPath(baseDirectory, name);
        // A folder of that name is no help file, and opening it would show a file manager.
        if (fileExists(path) && !isDirectory(path))
            return path;
    }
    return std::nullopt;
}

void openHelp(const std::string& baseDirectory, int languageId, DesktopShell& shell,
              Prompter& prompter, const TextSource& texts) {
    const auto report = [&prompter, &texts](bool opened) {
        if (!opened)
            prompter.message(texts.text("M_ERR_NO_HELP"), MessageKind::Error);
    };
    if (const std::optional<std::string> path = helpFilePath(baseDirectory, languageId))
        shell.openWithAssociatedProgram(*path, report);
    else
        report(false);
}

}  // namespace corvane
