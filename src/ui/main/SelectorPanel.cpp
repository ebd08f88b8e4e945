// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/SelectorPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/common/CLocalized.h"

namespace corvane {

namespace {

// A label is as tall as its font's line, and in small bold fonts the marks over capitals
// (MÄÄRÄ, ÅR) rise above that line: margins make room for them in every language.
void reserveRoomForMarks(QLabel* label) {
    // Capitals with marks above or below them, as the catalogues' captions use.
    const QString markedCapitals = QStringLiteral(u"ÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÑÒÓÔÕÖÙÚÛÜŸ");
    const QFontMetrics metrics(label->font());
    const QRect ink = metrics.boundingRect(markedCapitals);
    const int above = std::max(0, -ink.top() - metrics.ascent());
    const int below = std::max(0, ink.bottom() + 1 - metrics.descent());
    label->setContentsMargins(0, above, 0, below);
}

}  // namespace

SelectorPanel::SelectorPanel(int captionId, const QString& fallbackCaption, bool withButton,
                             QWidget* parent)
    : QFrame(parent), caption_(new QLabel(fallbackCaption, this)), value_(new QLabel(this)) {
    setObjectName(QStringLiteral("selectorPanel"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    CLocalized::setCatalogueId(caption_, captionId);
    QFont small = caption_->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    small.setBold(true);
    caption_->setFont(small);
    caption_->setForegroundRole(QPalette::PlaceholderText);
    reserveRoomForMarks(caption_);
    value_->setTextFormat(Qt::PlainText);
    value_->setMinimumWidth(80);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(0);
    texts->addWidget(caption_);
    texts->addWidget(value_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 3, 3);
    layout->addLayout(texts, 1);
    if (withButton) {
        button_ = new QToolButton(this);
        button_->setArrowType(Qt::DownArrow);
        button_->setAutoRaise(true);
        layout->addWidget(button_);
        connect(button_, &QToolButton::clicked, this, &SelectorPanel::popupRequested);
    }
}

void SelectorPanel::setValue(const QString& value) {
    value_->setText(value);
}

QString SelectorPanel::value() const {
    return value_->text();
}

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
