// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

class Game;

// The list's mark modes, in the order they are tested.
enum class ProfileMark { None, Invalid, MissingGeneration, MissingSound, MissingGenre };

// Whether the profile meets one mark mode; None is met by nothing. Invalid means the main medium
// cannot be sized; a profile without a main medium is not invalid.
bool meetsMark(const Game& game, ProfileMark mode);
// The first mode, in test order, that the profile meets.
ProfileMark profileMark(const Game& game);

}  // namespace corvane
