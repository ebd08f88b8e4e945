// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/ProfileMark.h"

#include "media/MediumSize.h"
#include "model/Game.h"

namespace corvane {

bool meetsMark(const Game& game, ProfileMark mode) {
    switch (mode) {
        case ProfileMark::None:
            return false;
        case ProfileMark::Invalid: {
            const MainMediumInfo medium = game.MainMedium();
            return !medium.file.empty() && MainMediumSize(medium.file, medium.entry).empty();
        }
        case ProfileMark::MissingGeneration:
            return game.GenerationText().empty();
        case ProfileMark::MissingSound:
            return game.SoundText().empty();
        case ProfileMark::MissingGenre:
            return game.genre1 == 0;
    }
    return false;
}

ProfileMark profileMark(const Game& game) {
    for (ProfileMark mode : {ProfileMark::Invalid, ProfileMark::MissingGeneration,
                             ProfileMark::MissingSound, ProfileMark::MissingGenre})
        if (meetsMark(game, mode))
            return mode;
    return ProfileMark::None;
}

}  // namespace corvane
