// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/QueuedNotices.h"

#include <QMetaObject>
#include <QObject>

namespace corvane {

void QueuedNotices::message(const std::string& text, MessageKind kind) {
    Prompter& shown = shown_;
    QMetaObject::invokeMethod(
        context_, [&shown, text, kind] { shown.message(text, kind); }, Qt::QueuedConnection);
}

bool QueuedNotices::confirm(const std::string&) {
    return false;
}

bool QueuedNotices::confirmDestructive(const std::string&) {
    return false;
}

MultiAnswer QueuedNotices::multiConfirm(const std::string&) {
    return MultiAnswer::Cancel;
}

std::unique_ptr<Progress> QueuedNotices::progress(const std::string&, int) {
    return std::make_unique<NoProgress>();
}

}  // namespace corvane
