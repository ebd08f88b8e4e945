// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace corvane {

// The folder a path names, as the system names its working directory (absolute, links
// resolved), so that naming a folder and starting in it give the same base directory. None when
// nothing is there or it is no folder.
std::optional<std::string> resolvedFolder(const std::string& path);

// Makes a folder and every missing parent, readable by this user only, as the freedesktop
// base-directory rules ask of data folders. Folders already there are left as they are. Empty
// on success, otherwise the system's reason.
std::string makeFolders(const std::string& path);

// The user's home folder: HOME, or the account's entry when HOME is unset or empty. Empty when
// neither names one.
std::string homeFolder();

}  // namespace corvane
