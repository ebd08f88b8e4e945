// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/IndicatorLight.h"

#include <QHBoxLayout>
#include <QLabel>

namespace corvane {

IndicatorLight::IndicatorLight(const QString& text, QWidget* parent)
    : QFrame(parent), text_(new QLabel(text, this)) {
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 1, 4, 1);
    layout->addWidget(text_, 0, Qt::AlignCenter);
    QFont small = text_->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    text_->setFont(small);
    setAutoFillBackground(true);
    setLit(false);
}

void IndicatorLight::setLit(bool lit) {
    lit_ = lit;
    QPalette p = palette();
    p.setColor(QPalette::Window, lit ? QColor(90, 210, 110) : QColor(60, 64, 72));
    p.setColor(QPalette::WindowText, lit ? QColor(10, 30, 10) : QColor(150, 150, 160));
    setPalette(p);
    text_->setPalette(p);
}

}  // namespace corvane
