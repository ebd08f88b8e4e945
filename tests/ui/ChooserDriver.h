// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

namespace corvane::test {

// Answers the next file chooser the code under test opens; rejects anything else so a test
// cannot hang on an unexpected window.
inline void answerNextChooser(std::function<void(QFileDialog&)> answer) {
    auto* timer = new QTimer;
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, ticks, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* chooser = qobject_cast<QFileDialog*>(modal);
        if (chooser || ++*ticks > 200) {
            timer->stop();
            timer->deleteLater();
            if (chooser) {
                answer(*chooser);
                // Should the answer not close it, a stuck chooser must fail the test, not hang it.
                QTimer::singleShot(2000, chooser, [chooser] { chooser->reject(); });
            } else if (modal) {
                modal->close();
            }
        }
    });
    timer->start(10);
}

// Types a full path into the chooser's name box, as a user may.
inline void typeInto(QFileDialog& chooser, const QString& path) {
    auto* name = chooser.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(path);
}

// Drops the files on the widget as the file manager does; true when it took them.
inline bool dropUrls(QWidget* target, const QList<QUrl>& urls) {
    QMimeData mime;
    mime.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

}  // namespace corvane::test
