// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace corvane {

// Simplified national flags that stand for the ten interface languages; drawn, not loaded, so
// they scale and ship inside the program. An unknown language gets a plain grey field.
QPixmap languageFlag(int languageId, const QSize& size);
QIcon languageFlagIcon(int languageId);

}  // namespace corvane
