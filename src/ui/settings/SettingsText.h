// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegularExpression>
#include <QString>
#include <string>

#include "ui/common/TextCodec.h"

namespace corvane {

// The bytes to store for a box's text. settings.ini holds one value a line, so pasted line
// breaks become blanks; a value the user left alone keeps its original bytes.
inline std::string settingBytes(const QString& text, const std::string& original) {
    QString oneLine = text;
    oneLine.replace(QRegularExpression(QStringLiteral("\r\n|\r|\n")), QStringLiteral(" "));
    return keptBytes(oneLine, original);
}

}  // namespace corvane
