// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/MarkColour.h"

namespace corvane {

QColor markColour(ProfileMark mode) {
    switch (mode) {
        case ProfileMark::Invalid:
            return {230, 159, 0};  // orange
        case ProfileMark::MissingGeneration:
            return {204, 121, 167};  // purple
        case ProfileMark::MissingSound:
            return {0, 158, 115};  // green
        case ProfileMark::MissingGenre:
            return {240, 228, 66};  // yellow
        case ProfileMark::None:
            break;
    }
    return {0, 0, 0};
}

}  // namespace corvane
