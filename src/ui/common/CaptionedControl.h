// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QString>

#include "ui/common/CLocalized.h"

namespace corvane {

// A button, label or group box captioned from the catalogue identifier once its dialog shows;
// the English caption stands until then.
template <class Control>
Control* captioned(QWidget* parent, const char* english, int id) {
    auto* control = new Control(QString::fromLatin1(english), parent);
    CLocalized::setCatalogueId(control, id);
    return control;
}

// A check box that starts ticked.
inline QCheckBox* tickedBox(QWidget* parent, const char* english, int id) {
    auto* box = captioned<QCheckBox>(parent, english, id);
    box->setChecked(true);
    return box;
}

}  // namespace corvane
