// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {
class Game;
}

namespace corvane::fuzz {

// Fails the run unless the profile, written as a database line, reads back as itself: a tool
// that put a "|" or a line break into a field would turn one profile into another.
void requireStorable(const Game& game, const char* what);

}  // namespace corvane::fuzz
