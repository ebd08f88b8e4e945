// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/QtPrompter.h"

#include <QMessageBox>

#include "i18n/LanguageManager.h"
#include "ui/common/EventPump.h"
#include "ui/common/MultiConfirmationDlg.h"
#include "ui/common/ProgressBarDlg.h"
#include "ui/common/TextCodec.h"

namespace corvane {

namespace {

// The progress window is modal, so the events it lets run bring input only to its Cancel.
class DialogProgress : public Progress {
public:
    DialogProgress(const LanguageManager& languages, const QString& caption, int range,
                   QWidget* parent)
        : dialog_(languages, caption, parent) {
        dialog_.setRange(0, range);
        dialog_.show();
        pumpEvents(QEventLoop::AllEvents);
    }
    void setRange(int low, int high) override { dialog_.setRange(low, high); }
    void setPos(int pos) override { dialog_.setPos(pos); }
    bool pump() override {
        pumpEvents(QEventLoop::AllEvents);
        return dialog_.cancelled();
    }

private:
    ProgressBarDlg dialog_;
};

}  // namespace

void QtPrompter::message(const std::string& text, MessageKind kind) {
    const QString body = fromBytes(text);
    switch (kind) {
        case MessageKind::Error:
            QMessageBox::critical(parent_, catalogueText(*languages_, "M_ERROR"), body);
            break;
        case MessageKind::Info:
            QMessageBox::information(parent_, catalogueText(*languages_, "M_INFO"), body);
            break;
        case MessageKind::Message: {
            QMessageBox box(QMessageBox::NoIcon, catalogueText(*languages_, "M_MSG"), body,
                            QMessageBox::Ok, parent_);
            box.exec();
            break;
        }
        case MessageKind::Plain: {
            QMessageBox box(QMessageBox::NoIcon, QString(), body, QMessageBox::Ok, parent_);
            box.exec();
            break;
        }
    }
}

bool QtPrompter::confirm(const std::string& text) {
    return ask(text, true);
}

bool QtPrompter::confirmDestructive(const std::string& text) {
    return ask(text, false);
}

bool QtPrompter::ask(const std::string& text, bool yesByDefault) {
    return QMessageBox::question(parent_, catalogueText(*languages_, "M_CONFIRM"), fromBytes(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 yesByDefault ? QMessageBox::Yes : QMessageBox::No) ==
           QMessageBox::Yes;
}

MultiAnswer QtPrompter::multiConfirm(const std::string& text) {
    return MultiConfirmationDlg::ask(*languages_, fromBytes(text), parent_);
}

std::unique_ptr<Progress> QtPrompter::progress(const std::string& caption, int range) {
    return std::make_unique<DialogProgress>(*languages_, fromBytes(caption), range, parent_);
}

}  // namespace corvane
