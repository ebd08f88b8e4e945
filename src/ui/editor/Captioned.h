// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "ui/common/CLocalized.h"

namespace corvane {

// A label, button or group box captioned from the catalogue when its window is shown; the
// English caption stands until then and where the catalogue lacks the identifier.
template <class Control>
Control* captioned(int id, const char* english, QWidget* parent) {
    auto* control = new Control(QString::fromUtf8(english), parent);
    CLocalized::setCatalogueId(control, id);
    return control;
}

}  // namespace corvane
