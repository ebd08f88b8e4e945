// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/Game.h"

namespace corvane {

// What a long load tells its window, so the window can show how far it is.
class LoadObserver {
public:
    virtual ~LoadObserver() = default;
    virtual void counted(int total) { (void)total; }
    // Called every 20 profiles read, with the number read so far.
    virtual void progress(int loaded) { (void)loaded; }
};

// Reads a database in two passes (a count for the progress range, then the profiles), keeping
// the profiles the filter accepts in file order. Nothing when the file cannot be opened.
std::optional<std::vector<Game>> loadProfileList(const std::string& path,
                                                 const std::function<bool(const Game&)>& accept,
                                                 LoadObserver& observer);

}  // namespace corvane
