// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace corvane {

class DesktopShell;
class Prompter;
class TextSource;

// "Corvane Launcher_<code>.chm" of the language in the base directory, else "Corvane
// Launcher.chm" there; nothing when neither exists.
std::optional<std::string> helpFilePath(const std::string& baseDirectory, int languageId);

// Opens the help file with the program the desktop associates with it; when there is no help
// file or it cannot be opened, says M_ERR_NO_HELP (at once or when the desktop reports it).
void openHelp(const std::string& baseDirectory, int languageId, DesktopShell& shell,
              Prompter& prompter, const TextSource& texts);

}  // namespace corvane
