// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/properties/GamePropertiesCorvaneDlg.h"

namespace corvane {

GamePropertiesCorvaneDlg::GamePropertiesCorvaneDlg(const CorvaneDBEntry& entry,
                                                   const TextSource& texts, QWidget* parent)
    : PropertyRowsPage(corvaneDatabaseRows(entry, texts), parent) {}

}  // namespace corvane
