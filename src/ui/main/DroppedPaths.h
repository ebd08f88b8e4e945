// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

class QMimeData;

namespace corvane {

// The local paths of a drop in its order, as the bytes the file system knows them by: the
// percent-encoded path of a file URL is those bytes, UTF-8 or not.
std::vector<std::string> droppedPaths(const QMimeData* mime);

}  // namespace corvane
