// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/QtPrompter.h"

#include <QMessageBox>

#include "i18n/LanguageManager.h"
#include "ui/common/MultiConfirmationDlg.h"
#include "ui/common/TextCodec.h"

namespace corvane {

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

}  // namespace corvane
