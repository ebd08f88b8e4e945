// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/ToolRun.h"

#include <QDialog>

#include "common/Prompter.h"
#include "i18n/LanguageManager.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/ProgressWindow.h"
#include "ui/common/TextCodec.h"

namespace corvane {

ToolRun::ToolRun(Prompter& prompter, const LanguageManager& languages, QDialog* dialog)
    : prompter_(prompter), languages_(languages), dialog_(dialog) {}

std::optional<OperationResult> ToolRun::run(const ToolSteps& steps, const char* titleKey) {
    if (running())
        return std::nullopt;
    if (steps.refusal) {
        reportError(prompter_, languages_, steps.refusal->c_str());
        return std::nullopt;
    }
    ToolReport outcome;
    {
        ProgressWindow window(languages_, catalogueText(languages_, titleKey), dialog_);
        window_ = &window;
        if (setup_)
            setup_(window);
        dialog_->setEnabled(false);
        // A disabled dialog disables its child windows too; this one must stay usable for Cancel.
        window.setEnabled(true);
        window.run(steps.job);
        window_ = nullptr;
    }
    outcome = steps.finish();
    dialog_->setEnabled(true);
    report(outcome);
    if (changeMade(outcome.result) && steps.closeAfterChange)
        dialog_->accept();
    emit ended(outcome.result);
    return outcome.result;
}

void ToolRun::report(const ToolReport& report) {
    for (const std::string& notice : report.notices)
        prompter_.message(notice, MessageKind::Plain);
    // A tool with a result window of its own has no message.
    if (changeMade(report.result) && !report.message.empty()) {
        std::string text = report.message;
        for (const std::string& note : report.notes)
            text += "\n" + note;
        // A search has its findings to show, not a message.
        if (!text.empty())
            prompter_.message(text, report.messageKind);
    }
    if (!report.error.empty())
        prompter_.message(report.error, MessageKind::Error);
    else
        reportResult(prompter_, languages_, report.result);
}

}  // namespace corvane
