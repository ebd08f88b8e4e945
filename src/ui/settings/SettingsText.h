// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegularExpression>
#include <QString>
#include <string>

#include "ui/common/TextCodec.h"

namespace corvane {

// The bytes to store for a box's text. settings.ini holds one value a line, so pasted line
// breaks become blanks. A value the user left alone keeps its original bytes, so a path written
// on Windows in its code page still names the same file after OK.
inline std::string keptBytes(const QString& text, const std::string& original) {
    QString oneLine = text;
    oneLine.replace(QRegularExpression(QStringLiteral("\r\n|\r|\n")), QStringLiteral(" "));
    return oneLine == fromBytes(original) ? original : toBytes(oneLine);
}

}  // namespace corvane
