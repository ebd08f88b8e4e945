// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

class QAbstractItemView;

namespace corvane {

// A line of guidance drawn over a list view while its model has no rows. It is no row: it cannot
// be selected or started, and clicks and drops pass through it to the list.
class EmptyListHint : public QLabel {
    Q_OBJECT
public:
    // The view must have its model already; the hint follows that model's rows from its first
    // reset on.
    explicit EmptyListHint(QAbstractItemView* view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();
    void fit();

    QAbstractItemView* view_;
};

}  // namespace corvane
