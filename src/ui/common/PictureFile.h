// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class QPixmap;

namespace corvane {

// Loads a picture from a regular file named by its bytes. A pipe or device named like a
// picture is refused instead of blocking the window; false when nothing could be loaded.
bool loadPictureFile(QPixmap& picture, const std::string& path);

}  // namespace corvane
