// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/EmptyListHint.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QEvent>

namespace corvane {

namespace {
constexpr int kMargin = 16;
}

EmptyListHint::EmptyListHint(QAbstractItemView* view) : QLabel(view->viewport()), view_(view) {
    setObjectName(QStringLiteral("emptyListHint"));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setForegroundRole(QPalette::PlaceholderText);
    view->viewport()->installEventFilter(this);
    QAbstractItemModel* model = view->model();
    connect(model, &QAbstractItemModel::modelReset, this, &EmptyListHint::follow);
    connect(model, &QAbstractItemModel::rowsInserted, this, &EmptyListHint::follow);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &EmptyListHint::follow);
    connect(model, &QAbstractItemModel::layoutChanged, this, &EmptyListHint::follow);
    fit();
    // Before the first list is loaded the model's emptiness tells nothing about the database.
    hide();
}

bool EmptyListHint::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_->viewport() && event->type() == QEvent::Resize)
        fit();
    return QLabel::eventFilter(watched, event);
}

void EmptyListHint::follow() {
    setVisible(view_->model()->rowCount() == 0);
}

void EmptyListHint::fit() {
    setGeometry(view_->viewport()->rect().adjusted(kMargin, kMargin, -kMargin, -kMargin));
}

}  // namespace corvane
