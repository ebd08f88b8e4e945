// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tools/FileRenameRequest.h"

namespace corvane {

class Game;
class Progress;

// One file to rename, as its path is stored in the profiles.
struct PlannedRename {
    std::string from;
    std::string to;
    size_t profile;  // the first profile, in database order, that points at the file
};

// What a walk over a database's profiles decided: the renames to make, and the files that are
// counted as not renamed without any attempt (in ZIP archives, or with no new name).
struct RenamePlan {
    std::vector<PlannedRename> renames;
    size_t notRenamed = 0;
    std::vector<size_t> listed;  // profiles with a file not renamed, in order, each once
    size_t profilesTreated = 0;  // the walk stopped after this many when the user cancelled
    bool stopped = false;
};

// The title the software databases give for a file's content; none when there is none.
using TitleOfFile = std::function<std::optional<std::string>(const std::string& path)>;

// Decides the new names of the profiles' media files under one rule. Every new name is free in
// its folder when planned, and no two planned files share one, so no rename can replace a file
// and a planned name is never the old name of another planned file. A file that several profiles
// point at is renamed once; all of them follow it. Cancel is looked at before every 5th profile.
RenamePlan planRenames(const std::vector<Game>& profiles, const FileRenameRequest& request,
                       const TitleOfFile& titleOf, Progress& progress);

}  // namespace corvane
