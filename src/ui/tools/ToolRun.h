// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <string>

#include "app/ToolReport.h"

class QDialog;

namespace corvane {

class LanguageManager;
class Progress;
class ProgressWindow;
class Prompter;

// What a tool's dialog hands to the runner, built from its use case.
struct ToolSteps {
    // A catalogue key: shown, and nothing runs.
    std::optional<std::string> refusal;
    // On a worker thread; holds values and paths only.
    std::function<void(Progress&)> job;
    // On the window's thread once the job has returned.
    std::function<ToolReport()> finish;
    // A tool that works on one file after another keeps its dialog open after a change.
    bool closeAfterChange = true;
};

// Runs a tool from its dialog: the refusal shown with the dialog kept open, or the job on a
// worker thread behind the progress window with the dialog disabled, then finish and what the
// user reads: notices, the message and its notes after a change, the error after a failure,
// nothing after Cancel. The dialog closes with OK after a change unless the steps keep it.
class ToolRun : public QObject {
    Q_OBJECT
public:
    ToolRun(Prompter& prompter, const LanguageManager& languages, QDialog* dialog);

    // Returns once the run has ended and the user has read its outcome; none when refused. The
    // progress window is titled by the catalogue key.
    std::optional<OperationResult> run(const ToolSteps& steps, const char* titleKey);
    bool running() const { return window_ != nullptr; }
    // While a run goes.
    ProgressWindow* progressWindow() const { return window_; }
    // Called with each run's window before its job starts; lets a test act on it.
    void setWindowSetup(std::function<void(ProgressWindow&)> setup) { setup_ = std::move(setup); }

signals:
    // As run returns, when it was not refused.
    void ended(OperationResult result);

private:
    void report(const ToolReport& report);

    Prompter& prompter_;
    const LanguageManager& languages_;
    QDialog* dialog_;
    ProgressWindow* window_ = nullptr;
    std::function<void(ProgressWindow&)> setup_;
};

}  // namespace corvane
