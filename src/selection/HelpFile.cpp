// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/HelpFile.h"

#include <filesystem>

#include "common/Path.h"
#include "common/Prompter.h"
#include "common/TextSource.h"
#include "i18n/LanguageManager.h"
#include "platform/DesktopShell.h"
#include "platform/ProgramFolder.h"

namespace corvane {

namespace {

const std::string kStem = "Corvane Launcher";

// A folder of that name is no help file, and opening it would show a file manager.
bool isHelpFile(const std::string& path) {
    return fileExists(path) && !isDirectory(path);
}

}  // namespace

const std::vector<std::string>& shippedGuideDirectories() {
    static const std::vector<std::string> directories = [] {
        std::vector<std::string> found;
        // Where the install put the guide beside this program: an install prefix may be chosen
        // when installing, long after the build, so only the way from the program is fixed. The
        // program's folder has its links resolved, so ".." can be taken away by its name.
#ifdef CORVANE_GUIDE_FROM_PROGRAM
        if (const std::string program = programFolder(); !program.empty())
            found.push_back(std::filesystem::path(joinPath(program, CORVANE_GUIDE_FROM_PROGRAM))
                                .lexically_normal()
                                .string());
#endif
#ifdef CORVANE_SOURCE_GUIDE_DIR
        found.emplace_back(CORVANE_SOURCE_GUIDE_DIR);
#endif
        return found;
    }();
    return directories;
}

// A help file the user put in the base directory always wins, so a translated or newer guide
// needs no installation. There a page the desktop's browser shows comes before the compiled
// help of the other platform, which needs a viewer most desktops lack; the language's own
// version comes before the general one. Only then the guide that came with the program: the copy
// installed with it, else the one in the sources it was built from, so that a program run from
// its build tree finds the guide too.
std::optional<std::string> helpFilePath(const std::string& baseDirectory, int languageId,
                                        const std::vector<std::string>& guideDirectories) {
    const std::string languageStem = kStem + "_" + LanguageManager::languageCode(languageId);
    const std::string ownFiles[] = {languageStem + ".html", kStem + ".html", languageStem + ".chm",
                                    kStem + ".chm"};
    for (const std::string& name : ownFiles) {
        std::string path = joinPath(baseDirectory, name);
        if (isHelpFile(path))
            return path;
    }
    for (const std::string& directory : guideDirectories) {
        for (const std::string& name : {languageStem + ".html", kStem + ".html"}) {
            std::string path = joinPath(directory, name);
            if (isHelpFile(path))
                return path;
        }
    }
    return std::nullopt;
}

void openHelp(const std::string& baseDirectory, int languageId, DesktopShell& shell,
              Prompter& prompter, const TextSource& texts,
              const std::vector<std::string>& guideDirectories) {
    const auto report = [&prompter, &texts](bool opened) {
        if (!opened)
            prompter.message(texts.text("M_ERR_NO_HELP"), MessageKind::Error);
    };
    if (const std::optional<std::string> path =
            helpFilePath(baseDirectory, languageId, guideDirectories))
        shell.openWithAssociatedProgram(*path, report);
    else
        report(false);
}

}  // namespace corvane
