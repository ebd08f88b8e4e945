// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RunFlags.h"

namespace corvane {

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
