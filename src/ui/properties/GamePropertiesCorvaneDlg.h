// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/properties/PropertyRowsPage.h"

namespace corvane {

class TextSource;

// The emulator's software database entry of the dump.
class GamePropertiesCorvaneDlg : public PropertyRowsPage {
    Q_OBJECT
public:
    GamePropertiesCorvaneDlg(const CorvaneDBEntry& entry, const TextSource& texts,
                             QWidget* parent = nullptr);
};

}  // namespace corvane
