// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace corvane {

class Game;

// Lets the store keep the run-long per-profile caches in step with the files it changes,
// without the store knowing how those caches compute their values.
class ProfileCacheHook {
public:
    virtual ~ProfileCacheHook() = default;
    virtual void profileRemoved(const std::string& profileName, const std::string& database) = 0;
    virtual void profileWritten(const Game& game, const std::string& database) = 0;
};

}  // namespace corvane
