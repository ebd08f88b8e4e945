// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "app/FillOperation.h"
#include "ui/common/QueuedNotices.h"

class QDialog;

namespace corvane {

class CCorvaneLauncherApp;
class ScanningWindow;

// One Fill Database run of a dialog at a time: its refusal, the job on a worker thread behind
// the scanning window with the dialog disabled, what the user reads once it has ended, and the
// dialog closing with OK after a change. A member of its dialog, so that it goes before the
// dialog's windows do.
class FillRun : public QObject {
    Q_OBJECT
public:
    FillRun(CCorvaneLauncherApp& app, QDialog* dialog);
    // Stops a run still going and waits for it: no worker outlives the dialog.
    ~FillRun() override;

    // Shows why the request cannot run and gives false, or starts it with the scanning window
    // titled by the catalogue key.
    bool start(FillRequest request, const char* titleKey);
    bool running() const { return worker_.joinable(); }
    // While a run goes.
    ScanningWindow* scanningWindow() const { return scanning_.get(); }
    // Passed to the scanning window of each run (ScanningWindow::setFileObserver).
    void setFileObserver(std::function<void()> observer) { fileObserver_ = std::move(observer); }

signals:
    // The run has ended and the user has read its outcome: the completion message after a
    // change (the dialog has then closed with OK), the error after a failure, nothing after
    // Cancel.
    void ended(OperationResult result);

private:
    void jobEnded();

    CCorvaneLauncherApp& app_;
    QDialog* dialog_;
    FillOperation operation_;
    QueuedNotices notices_;
    std::optional<FillJob> job_;
    std::unique_ptr<ScanningWindow> scanning_;
    std::function<void()> fileObserver_;
    std::thread worker_;
};

}  // namespace corvane
