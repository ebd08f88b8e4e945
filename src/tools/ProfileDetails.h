// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace corvane {

class Game;

// What a new profile gets besides its medium and its name: the extra data recorded for its
// SHA-1 and, for a medium the emulator does not know, what its file name tells.
class ProfileDetails {
public:
    virtual ~ProfileDetails() = default;
    virtual void apply(Game& profile, const std::string& sha1, bool knownToEmulator,
                       const std::string& fileName) const = 0;
};

}  // namespace corvane
