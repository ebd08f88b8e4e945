// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/Progress.h"
#include "model/Game.h"
#include "model/ProfileFile.h"

namespace corvane {

// A database's lines as the list shows them; lines only when it was read to its end (Done).
struct ProfileList {
    ReadResult read = ReadResult::Done;
    std::vector<std::string> lines;
};

// Reads a database in one pass (the progress range is its size in kilobytes), keeping the lines of
// the profiles the filter accepts, in file order: a line is a tenth of its record's size, so a big
// list stays small and quick to build. Progress is told every 20 profiles; a list is always loaded
// whole, so it cannot be cancelled. An empty accept keeps every line.
ProfileList loadProfileList(const std::string& path, const std::function<bool(const Game&)>& accept,
                            Progress& progress);

}  // namespace corvane
