// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <cstdio>

namespace corvane {

class CCorvaneLauncherDlg;

// For the start-up benchmark: writes when the window was first painted ("shown"), when it was
// first painted with the loaded list ("listed") and when the software index was in place
// ("indexed"), one "<event> <steady-clock nanoseconds>" line each, then quits the application.
class StartupReport : public QObject {
public:
    // Does nothing when the file cannot be written.
    StartupReport(const QString& path, CCorvaneLauncherDlg& window);
    ~StartupReport() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void write(const char* event);
    void quitWhenDone();

    std::FILE* file_ = nullptr;
    bool shown_ = false;
    bool loaded_ = false;
    bool listed_ = false;
    bool indexed_ = false;
};

}  // namespace corvane
