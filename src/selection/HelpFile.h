// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace corvane {

class DesktopShell;
class Prompter;
class TextSource;

// The folders of the guide that comes with the program: the one installed beside it, then the
// one in the sources it was built from.
const std::vector<std::string>& shippedGuideDirectories();

// The help file for the language, or nothing when there is none. In the base directory:
// "Corvane Launcher_<code>.html", "Corvane Launcher.html", "Corvane Launcher_<code>.chm",
// "Corvane Launcher.chm"; then in each guide directory in turn the two ".html" names.
std::optional<std::string> helpFilePath(const std::string& baseDirectory, int languageId,
                                        const std::vector<std::string>& guideDirectories);

// Opens the help file with the program the desktop associates with it; when there is no help
// file or it cannot be opened, says M_ERR_NO_HELP (at once or when the desktop reports it).
void openHelp(const std::string& baseDirectory, int languageId, DesktopShell& shell,
              Prompter& prompter, const TextSource& texts,
              const std::vector<std::string>& guideDirectories = shippedGuideDirectories());

}  // namespace corvane
