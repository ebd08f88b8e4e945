// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane Launcher"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Corvane Launcher"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
