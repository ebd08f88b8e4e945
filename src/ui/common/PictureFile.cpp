// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/PictureFile.h"

#include <QPixmap>

#include "common/RegularFile.h"

namespace corvane {

bool loadPictureFile(QPixmap& picture, const std::string& path) {
    if (path.empty())
        return false;
    const std::optional<std::string> bytes = readRegularFile(path);
    if (!bytes)
        return false;
    return picture.loadFromData(reinterpret_cast<const uchar*>(bytes->data()),
                                static_cast<uint>(bytes->size()));
}

}  // namespace corvane
