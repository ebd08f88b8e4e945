// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the application icon into a hicolor icon-theme tree at build time, so the installed
// icons are the window's own artwork and no picture files are kept in the sources.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "ui/resources/Artwork.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER ICON-NAME\n", argv[0]);
        return 2;
    }
    // Drawing needs the graphics library set up, not a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QString root = QFile::decodeName(argv[1]);
    const QString name = QFile::decodeName(argv[2]);
    for (int side : corvane::kApplicationIconSides) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(root).arg(side);
        const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !corvane::applicationIconImage(side).save(file, "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(file));
            return 1;
        }
    }
    return 0;
}
