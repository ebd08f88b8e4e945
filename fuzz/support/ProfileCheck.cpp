// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ProfileCheck.h"

#include "model/Game.h"
#include "support/FuzzScratch.h"

namespace corvane::fuzz {

void requireStorable(const Game& game, const char* what) {
    const std::string line = game.ToLine();
    Game reread;
    reread.FromLine(line);
    if (!(reread == game) || line.find_first_of("\r\n") != std::string::npos)
        fail(what);
}

}  // namespace corvane::fuzz
