// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/Settings.h"

namespace corvane {

// Whether baseDirectory has no settings.ini at all (one that cannot be read is not a first start).
bool isFirstStart(const std::string& baseDirectory);

// The settings of a first start: the defaults, with openMSX taken from the folders of searchPath
// (the PATH variable) and info files opened by the desktop's associated program, since on this
// platform openMSX is usually installed and no viewer is configured.
Settings firstStartSettings(const std::string& searchPath);

// The settings a start works with: a first start's, or those of settings.ini.
Settings startSettings(const std::string& baseDirectory, const std::string& searchPath);

}  // namespace corvane
