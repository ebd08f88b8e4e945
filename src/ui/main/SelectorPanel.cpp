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

}  // namespace corvane
