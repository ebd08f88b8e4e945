// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/StartupReport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QListView>
#include <chrono>
#include <utility>

#include "ui/main/CCorvaneLauncherDlg.h"

namespace corvane {

StartupReport::StartupReport(const QString& path, CCorvaneLauncherDlg& window)
    : file_(std::fopen(QFile::encodeName(path).constData(), "w")) {
    if (!file_)
        return;
    // The list's own paint is what shows it.
    window.profileList()->viewport()->installEventFilter(this);
    connect(&window, &CCorvaneLauncherDlg::listLoaded, this, [this] { loaded_ = true; });
    connect(&window, &CCorvaneLauncherDlg::softwareIndexReady, this, [this] {
        if (!std::exchange(indexed_, true)) {
            write("indexed");
            quitWhenDone();
        }
    });
}

StartupReport::~StartupReport() {
    if (file_)
        std::fclose(file_);
}

bool StartupReport::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        if (!std::exchange(shown_, true))
            write("shown");
        if (loaded_ && !std::exchange(listed_, true)) {
            write("listed");
            quitWhenDone();
        }
    }
    return QObject::eventFilter(watched, event);
}

void StartupReport::write(const char* event) {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::fprintf(
        file_, "%s %lld\n", event,
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(file_);
}

void StartupReport::quitWhenDone() {
    if (listed_ && indexed_)
        QCoreApplication::quit();
}

}  // namespace corvane
