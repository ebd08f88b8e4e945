// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/IgnoreEnterEtc.h"

#include <QKeyEvent>
#include <QWidget>

namespace corvane {

void IgnoreEnterEtc::install(QWidget* page) {
    page->installEventFilter(new IgnoreEnterEtc(page));
}

bool IgnoreEnterEtc::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            event->accept();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvane
