// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/ProfileMark.h"

#include "media/MediumSize.h"
#include "model/Game.h"

namespace corvane {

ProfileMark profileMark(const Game& game) {
    const MainMediumInfo medium = game.MainMedium();
    if (!medium.file.empty() && MainMediumSize(medium.file, medium.entry).empty())
        return ProfileMark::Invalid;
    if (game.GenerationText().empty())
        return ProfileMark::MissingGeneration;
    if (game.SoundText().empty())
        return ProfileMark::MissingSound;
    if (game.genre1 == 0)
        return ProfileMark::MissingGenre;
    return ProfileMark::None;
}

}  // namespace corvane
