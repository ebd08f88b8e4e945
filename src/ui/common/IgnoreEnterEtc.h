// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace corvane {

// Keeps Enter and Escape inside an input page: a key meant for a text box or a list must not
// confirm or cancel the dialog around it, so only the dialog's buttons close it. Keys a control
// uses itself (a focused push button pressed by Enter, a list opened by it) still reach it first.
class IgnoreEnterEtc : public QObject {
    Q_OBJECT
public:
    // Installs the filter on page; it sees the keys the page's controls leave unused.
    static void install(QWidget* page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit IgnoreEnterEtc(QObject* parent) : QObject(parent) {}
};

}  // namespace corvane
