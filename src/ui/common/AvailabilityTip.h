// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "app/CommandRules.h"

class QAbstractButton;
class QAction;

namespace corvane {

class LanguageManager;

// What a disabled command needs, in the current language; empty when it is available.
QString availabilityText(const Availability& availability, const LanguageManager& languages);
// Enables the entry, or disables it with what it needs as its tooltip. An enabled entry has no
// tooltip, so its menu shows none.
void applyAvailability(QAction* entry, const Availability& availability,
                       const LanguageManager& languages);
// As for an entry; a button that tells its name in its tooltip keeps it, the need on a line
// below.
void applyAvailability(QAbstractButton* button, const Availability& availability,
                       const LanguageManager& languages, const QString& name = {});

}  // namespace corvane
