// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/resources/Flags.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <initializer_list>

#include "i18n/LanguageIds.h"

namespace corvane {

namespace {

void horizontalBands(QPainter& p, const QRectF& r, std::initializer_list<QColor> colours) {
    const qreal h = r.height() / static_cast<qreal>(colours.size());
    qreal y = r.top();
    for (const QColor& c : colours) {
        p.fillRect(QRectF(r.left(), y, r.width(), h + 0.5), c);
        y += h;
    }
}

void verticalBands(QPainter& p, const QRectF& r, std::initializer_list<QColor> colours) {
    const qreal w = r.width() / static_cast<qreal>(colours.size());
    qreal x = r.left();
    for (const QColor& c : colours) {
        p.fillRect(QRectF(x, r.top(), w + 0.5, r.height()), c);
        x += w;
    }
}

// A cross set towards the hoist, as on the Nordic flags.
void nordicCross(QPainter& p, const QRectF& r, const QColor& field, const QColor& cross) {
    p.fillRect(r, field);
    const qreal bar = r.height() * 0.2;
    const qreal x = r.left() + r.width() * 0.3;
    p.fillRect(QRectF(x, r.top(), bar, r.height()), cross);
    p.fillRect(QRectF(r.left(), r.center().y() - bar / 2, r.width(), bar), cross);
}

void unionLike(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(0x01, 0x21, 0x69));
    p.save();
    p.setClipRect(r);
    const qreal unit = r.height() / 10.0;
    QPen pen(Qt::white, unit * 2.0);
    p.setPen(pen);
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    pen.setColor(QColor(0xC8, 0x10, 0x2E));
    pen.setWidthF(unit * 0.8);
    p.setPen(pen);
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.restore();
    const QPointF c = r.center();
    p.fillRect(QRectF(c.x() - unit * 1.7, r.top(), unit * 3.4, r.height()), Qt::white);
    p.fillRect(QRectF(r.left(), c.y() - unit * 1.7, r.width(), unit * 3.4), Qt::white);
    const QColor red(0xC8, 0x10, 0x2E);
    p.fillRect(QRectF(c.x() - unit, r.top(), unit * 2, r.height()), red);
    p.fillRect(QRectF(r.left(), c.y() - unit, r.width(), unit * 2), red);
}

void portugalLike(QPainter& p, const QRectF& r) {
    const qreal split = r.left() + r.width() * 0.4;
    p.fillRect(QRectF(r.left(), r.top(), split - r.left(), r.height()), QColor(0x04, 0x6A, 0x38));
    p.fillRect(QRectF(split, r.top(), r.right() - split, r.height()), QColor(0xDA, 0x29, 0x1C));
    const qreal radius = r.height() * 0.25;
    const QPointF centre(split, r.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xE9, 0x00));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(0xDA, 0x29, 0x1C));
    p.drawEllipse(centre, radius * 0.55, radius * 0.55);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius * 0.35, radius * 0.35);
}

void draw(QPainter& p, int languageId, const QRectF& r) {
    switch (languageId) {
        case kLanguageEnglish:
            unionLike(p, r);
            break;
        case kLanguageCatalan: {
            const QColor gold(0xFC, 0xDD, 0x09), red(0xDA, 0x12, 0x1A);
            horizontalBands(p, r, {gold, red, gold, red, gold, red, gold, red, gold});
            break;
        }
        case kLanguageDutch:
            horizontalBands(p, r, {QColor(0xAE, 0x1C, 0x28), Qt::white, QColor(0x21, 0x46, 0x8B)});
            break;
        case kLanguageFinnish:
            nordicCross(p, r, Qt::white, QColor(0x00, 0x2F, 0x6C));
            break;
        case kLanguageFrench:
            verticalBands(p, r, {QColor(0x00, 0x23, 0x95), Qt::white, QColor(0xED, 0x29, 0x39)});
            break;
        case kLanguageGerman:
            horizontalBands(p, r, {Qt::black, QColor(0xDD, 0x00, 0x00), QColor(0xFF, 0xCE, 0x00)});
            break;
        case kLanguageItalian:
            verticalBands(p, r, {QColor(0x00, 0x92, 0x46), Qt::white, QColor(0xCE, 0x2B, 0x37)});
            break;
        case kLanguagePortuguese:
            portugalLike(p, r);
            break;
        case kLanguageSpanish: {
            const QColor red(0xAA, 0x15, 0x1B), gold(0xF1, 0xBF, 0x00);
            horizontalBands(p, r, {red, gold, gold, red});
            break;
        }
        case kLanguageSwedish:
            nordicCross(p, r, QColor(0x00, 0x6A, 0xA7), QColor(0xFE, 0xCC, 0x02));
            break;
        default:
            p.fillRect(r, QColor(0xB0, 0xB0, 0xB0));
            break;
    }
}

}  // namespace

QPixmap languageFlag(int languageId, const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF field(0, 0, size.width(), size.height());
    draw(p, languageId, field);
    // A hairline frame keeps white bands visible on a white list.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(0, 0, size.width() - 1, size.height() - 1));
    return pixmap;
}

QIcon languageFlagIcon(int languageId) {
    QIcon icon;
    for (const QSize& size : {QSize(24, 16), QSize(48, 32), QSize(96, 64)})
        icon.addPixmap(languageFlag(languageId, size));
    return icon;
}

}  // namespace corvane
