// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/FillRun.h"

#include <QDialog>

#include "app/CCorvaneLauncherApp.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/TextCodec.h"
#include "ui/tools/ScanningWindow.h"

namespace corvane {

FillRun::FillRun(CCorvaneLauncherApp& app, QDialog* dialog)
    : app_(app),
      dialog_(dialog),
      operation_(app.store(), app.favorites(), app.sha1Cache(), app.texts()),
      notices_(app.prompter(), this) {}

FillRun::~FillRun() {
    if (!worker_.joinable())
        return;
    scanning_->reject();
    worker_.join();
}

bool FillRun::start(FillRequest request, const char* titleKey) {
    if (running())
        return false;
    if (const std::optional<std::string> refused = operation_.refusal(request)) {
        reportError(app_.prompter(), app_.languages(), refused->c_str());
        return false;
    }
    job_.emplace(operation_.prepare(std::move(request), app_.softwareSources()));
    scanning_ = std::make_unique<ScanningWindow>(app_.languages(),
                                                 catalogueText(app_.texts(), titleKey), dialog_);
    scanning_->setFileObserver(fileObserver_);
    dialog_->setEnabled(false);
    // A disabled dialog disables its child windows too; this one must stay usable for Cancel.
    scanning_->setEnabled(true);
    scanning_->show();
    // The worker touches only the job, the window's thread-safe progress and the catalogue.
    FillJob& job = *job_;
    FillProgress& progress = *scanning_;
    const TextSource& texts = app_.texts();
    worker_ = std::thread([this, &job, &progress, &texts] {
        job.run(progress, notices_, texts);
        QMetaObject::invokeMethod(this, &FillRun::jobEnded, Qt::QueuedConnection);
    });
    return true;
}

void FillRun::jobEnded() {
    worker_.join();
    const FillReport report = operation_.finish(*job_);
    job_.reset();
    scanning_.reset();
    dialog_->setEnabled(true);
    Prompter& prompter = app_.prompter();
    if (changeMade(report.result)) {
        std::string text = report.message;
        if (!report.notReadMessage.empty())
            text += "\n" + report.notReadMessage;
        prompter.message(text, MessageKind::Message);
    }
    reportResult(prompter, app_.languages(), report.result);
    if (changeMade(report.result))
        dialog_->accept();
    emit ended(report.result);
}

}  // namespace corvane
