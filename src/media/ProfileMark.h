// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

class Game;

// The one mark a profile shows in the list, the first that applies in this order.
enum class ProfileMark { None, Invalid, MissingGeneration, MissingSound, MissingGenre };

// Invalid means the main medium cannot be sized; a profile without a main medium is not invalid.
ProfileMark profileMark(const Game& game);

}  // namespace corvane
