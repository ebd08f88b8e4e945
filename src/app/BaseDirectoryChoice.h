// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace corvane {

// Where the launcher was asked to keep its files.
struct StartOptions {
    std::optional<std::string> baseDirectory;  // --base-dir, as typed
    bool userData = false;                     // --user-data: the desktop menu's start
};

// What the choice depends on besides the options, so that tests can set it.
struct StartEnvironment {
    std::string workingDirectory;
    std::string xdgDataHome;  // XDG_DATA_HOME, empty when unset
    std::string home;
};

// The longest base directory that leaves room for a "/" and the longest file name in it, within
// the 4,096 bytes (its NUL included) of the longest path the system opens.
inline constexpr std::size_t kLongestBaseDirectory = 4096 - 1 - 1 - 255;

// The base directory, or why there is none.
struct BaseDirectoryChoice {
    std::string directory;
    std::string problem;
};

// The per-user data folder, XDG_DATA_HOME or ~/.local/share with "corvane-launcher" added;
// empty when neither names an absolute folder (a relative one would depend on where the
// launcher happens to start).
std::string userDataFolder(const StartEnvironment& environment);

// --base-dir names an existing folder, taken from the working directory when relative;
// --user-data makes the per-user data folder on its first start; with neither, the working
// directory, as ever. Both at once is a mistake, not a preference. A folder whose path is longer
// than kLongestBaseDirectory is refused with its length, whichever way it was chosen.
BaseDirectoryChoice chooseBaseDirectory(const StartOptions& options,
                                        const StartEnvironment& environment);

}  // namespace corvane
