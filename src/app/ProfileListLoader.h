// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/Progress.h"
#include "model/Game.h"

namespace corvane {

// Reads a database in one pass (the progress range is its size in kilobytes), keeping the lines of
// the profiles the filter accepts, in file order: a line is a tenth of its record's size, so a big
// list stays small and quick to build. Nothing when the file cannot be opened. Progress is told
// every 20 profiles; a list is always loaded whole, so it cannot be cancelled. An empty accept
// keeps every line.
std::optional<std::vector<std::string>> loadProfileList(
    const std::string& path, const std::function<bool(const Game&)>& accept, Progress& progress);

}  // namespace corvane
