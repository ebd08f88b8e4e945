// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QVariant>
#include <string>

namespace corvane {

// Values ride in item data as their own bytes, so a name that is not valid UTF-8 comes back
// exactly as the engine gave it.
inline QVariant itemBytes(const std::string& bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string bytesOfItem(const QVariant& data) {
    const QByteArray bytes = data.toByteArray();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace corvane
