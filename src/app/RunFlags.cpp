// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RunFlags.h"

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

Rgb markColour(ProfileMark mode) {
    switch (mode) {
        case ProfileMark::Invalid:
            return {230, 159, 0};
        case ProfileMark::MissingGeneration:
            return {204, 121, 167};
        case ProfileMark::MissingSound:
            return {0, 158, 115};
        case ProfileMark::MissingGenre:
            return {240, 228, 66};
        case ProfileMark::None:
            break;
    }
    return {0, 0, 0};
}

}  // namespace corvane
