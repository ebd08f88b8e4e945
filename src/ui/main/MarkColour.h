// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include <utility>

#include "i18n/MenuIds.h"
#include "media/ProfileMark.h"

namespace corvane {

// The colour of a profile line that meets the mark mode; black for no mode.
QColor markColour(ProfileMark mode);

// The Mark Profiles entries and the modes they choose.
inline constexpr std::pair<int, ProfileMark> kMarkEntries[] = {
    {kMenuMarkInvalid, ProfileMark::Invalid},
    {kMenuMarkMissingGeneration, ProfileMark::MissingGeneration},
    {kMenuMarkMissingSound, ProfileMark::MissingSound},
    {kMenuMarkMissingGenre, ProfileMark::MissingGenre}};

}  // namespace corvane
