// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class QLabel;

namespace corvane {

// One of the twelve sound and generation lights.
class IndicatorLight : public QFrame {
    Q_OBJECT
public:
    IndicatorLight(const QString& text, QWidget* parent = nullptr);
    void setLit(bool lit);
    bool isLit() const { return lit_; }

private:
    QLabel* text_;
    bool lit_ = false;
};

}  // namespace corvane
