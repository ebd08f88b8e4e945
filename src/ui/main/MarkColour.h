// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include "media/ProfileMark.h"

namespace corvane {

// The colour of a profile line that meets the mark mode; black for no mode.
QColor markColour(ProfileMark mode);

}  // namespace corvane
