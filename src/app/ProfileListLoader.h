// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/Progress.h"
#include "model/Game.h"

namespace corvane {

// Reads a database in two passes (a count for the progress range, then the profiles), keeping
// the profiles the filter accepts in file order. Nothing when the file cannot be opened.
// Progress is told every 20 profiles; a list is always loaded whole, so it cannot be cancelled.
std::optional<std::vector<Game>> loadProfileList(const std::string& path,
                                                 const std::function<bool(const Game&)>& accept,
                                                 Progress& progress);

}  // namespace corvane
