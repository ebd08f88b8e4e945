// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/ChooserFilter.h"

namespace corvane {

namespace {

// Drops a trailing "(...)" from the display name; the patterns shown are rebuilt.
QString displayName(const QString& name) {
    QString trimmed = name.trimmed();
    if (trimmed.endsWith(QLatin1Char(')'))) {
        const qsizetype open = trimmed.lastIndexOf(QLatin1Char('('));
        if (open > 0)
            trimmed = trimmed.left(open).trimmed();
    }
    return trimmed;
}

QStringList patternsOf(const QString& part) {
    QStringList patterns;
    for (const QString& piece : part.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QString pattern = piece.trimmed();
        if (pattern.isEmpty())
            continue;
        // "*.*" means every file where these filters were born; Qt's matcher would demand a dot.
        if (pattern == QStringLiteral("*.*"))
            pattern = QStringLiteral("*");
        if (!patterns.contains(pattern))
            patterns.append(pattern);
    }
    return patterns;
}

}  // namespace

QStringList ChooserFilter::toQtList(const QString& chooserFilter) {
    const QStringList parts = chooserFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString name = displayName(parts[i]);
        // An empty piece is the "||" that ends the list, wherever it comes.
        if (name.isEmpty() || parts[i + 1].isEmpty())
            break;
        const QStringList patterns = patternsOf(parts[i + 1]);
        // Without patterns Qt would take the name itself for one; such an entry selects nothing.
        if (patterns.isEmpty())
            continue;
        filters.append(name + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')'));
    }
    return filters;
}

QString ChooserFilter::toQt(const QString& chooserFilter) {
    return toQtList(chooserFilter).join(QStringLiteral(";;"));
}

}  // namespace corvane
