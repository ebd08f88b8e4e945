// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/DroppedPaths.h"

#include <QMimeData>
#include <QUrl>

namespace corvane {

std::vector<std::string> droppedPaths(const QMimeData* mime) {
    std::vector<std::string> paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl& url : mime->urls()) {
        if (!url.isLocalFile())
            continue;
        const QByteArray bytes =
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        if (!bytes.isEmpty())
            paths.emplace_back(bytes.constData(), static_cast<size_t>(bytes.size()));
    }
    return paths;
}

}  // namespace corvane
