// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/resources/Artwork.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>

namespace corvane {

namespace {

constexpr int kIconSize = 16;
constexpr int kToolIconSize = 24;
constexpr int kApplicationIconSize = 64;

// A square to draw on; what is not drawn stays see-through.
QPixmap transparentCanvas(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap cartridgeIcon() {
    QPixmap pm = transparentCanvas(kIconSize);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(40, 40, 40));
    p.setBrush(QColor(70, 90, 160));
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 9), 1.5, 1.5);
    p.setBrush(QColor(220, 200, 80));
    p.drawRect(QRectF(4.5, 11.5, 7, 3));
    p.setBrush(QColor(240, 240, 240));
    p.drawRect(QRectF(4, 4.5, 8, 4));
    return pm;
}

QPixmap diskIcon() {
    QPixmap pm = transparentCanvas(kIconSize);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(30, 30, 30));
    p.setBrush(QColor(50, 50, 60));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1, 1);
    p.setBrush(QColor(190, 195, 205));
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(245, 245, 245));
    p.drawRect(QRectF(3.5, 9.5, 9, 5));
    return pm;
}

QPixmap tapeIcon() {
    QPixmap pm = transparentCanvas(kIconSize);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(30, 30, 30));
    p.setBrush(QColor(150, 95, 50));
    p.drawRoundedRect(QRectF(0.5, 3.5, 15, 10), 1.5, 1.5);
    p.setBrush(QColor(245, 235, 210));
    p.drawEllipse(QPointF(5, 8.5), 2.2, 2.2);
    p.drawEllipse(QPointF(11, 8.5), 2.2, 2.2);
    return pm;
}

QPixmap hardDiskIcon() {
    QPixmap pm = transparentCanvas(kIconSize);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(30, 30, 30));
    p.setBrush(QColor(160, 165, 175));
    p.drawRoundedRect(QRectF(1.5, 3.5, 13, 9), 1.5, 1.5);
    p.setBrush(QColor(90, 200, 90));
    p.drawEllipse(QPointF(12, 10), 1.2, 1.2);
    p.setPen(QColor(90, 95, 105));
    p.drawLine(QPointF(3.5, 6.5), QPointF(10, 6.5));
    return pm;
}

}  // namespace

QIcon mediumIcon(std::string_view mediumKey) {
    static QHash<QString, QIcon> cache;
    const QString key =
        QString::fromLatin1(mediumKey.data(), static_cast<qsizetype>(mediumKey.size()));
    auto it = cache.find(key);
    if (it != cache.end())
        return *it;
    QPixmap pm;
    if (mediumKey == "MEDIUM_ROM")
        pm = cartridgeIcon();
    else if (mediumKey == "MEDIUM_DISK")
        pm = diskIcon();
    else if (mediumKey == "MEDIUM_TAPE")
        pm = tapeIcon();
    else if (mediumKey == "MEDIUM_HARDDISK")
        pm = hardDiskIcon();
    else
        pm = transparentCanvas(kIconSize);
    return *cache.insert(key, QIcon(pm));
}

QPixmap defaultBackground(const QSize& size) {
    QPixmap pm(size.isValid() ? size : QSize(800, 600));
    QPainter p(&pm);
    QLinearGradient sky(0, 0, 0, pm.height());
    sky.setColorAt(0, QColor(18, 28, 64));
    sky.setColorAt(1, QColor(54, 36, 92));
    p.fillRect(pm.rect(), sky);
    // A faint grid in the spirit of the home computers' character screens.
    p.setPen(QColor(255, 255, 255, 14));
    for (int x = 0; x < pm.width(); x += 8)
        p.drawLine(x, 0, x, pm.height());
    for (int y = 0; y < pm.height(); y += 8)
        p.drawLine(0, y, pm.width(), y);
    QRadialGradient glow(pm.width() * 0.8, pm.height() * 0.15, pm.width() * 0.5);
    glow.setColorAt(0, QColor(120, 160, 255, 60));
    glow.setColorAt(1, QColor(120, 160, 255, 0));
    p.fillRect(pm.rect(), glow);
    return pm;
}

QPixmap defaultScreenshot(const QSize& size) {
    QPixmap pm(size);
    QPainter p(&pm);
    p.fillRect(pm.rect(), QColor(0, 0, 0));
    const int bars = 7;
    const QColor colours[bars] = {QColor(192, 192, 192), QColor(192, 192, 0), QColor(0, 192, 192),
                                  QColor(0, 192, 0),     QColor(192, 0, 192), QColor(192, 0, 0),
                                  QColor(0, 0, 192)};
    const int top = size.height() / 3;
    const int h = size.height() / 3;
    for (int i = 0; i < bars; ++i) {
        const int x0 = size.width() * i / bars;
        const int x1 = size.width() * (i + 1) / bars;
        p.fillRect(x0, top, x1 - x0, h, colours[i].darker(160));
    }
    return pm;
}

QImage applicationIconImage(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / qreal(kApplicationIconSize), side / qreal(kApplicationIconSize));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 60, 140));
    p.drawRoundedRect(QRectF(4, 10, 56, 40), 6, 6);
    p.setBrush(QColor(230, 200, 70));
    p.drawRect(QRectF(16, 50, 32, 8));
    p.setBrush(QColor(250, 250, 250));
    QPainterPath arrow;
    arrow.moveTo(26, 20);
    arrow.lineTo(44, 30);
    arrow.lineTo(26, 40);
    arrow.closeSubpath();
    p.drawPath(arrow);
    return image;
}

QIcon applicationIcon() {
    QIcon icon;
    for (int side : kApplicationIconSides)
        icon.addPixmap(QPixmap::fromImage(applicationIconImage(side)));
    return icon;
}

QIcon filtersIcon() {
    QPixmap pm = transparentCanvas(kToolIconSize);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath funnel;
    funnel.moveTo(3, 4);
    funnel.lineTo(21, 4);
    funnel.lineTo(14, 12);
    funnel.lineTo(14, 20);
    funnel.lineTo(10, 18);
    funnel.lineTo(10, 12);
    funnel.closeSubpath();
    p.setPen(QPen(QColor(30, 40, 80), 1.2));
    p.setBrush(QColor(90, 130, 220));
    p.drawPath(funnel);
    return QIcon(pm);
}

QIcon searchIcon() {
    QPixmap pm = transparentCanvas(kToolIconSize);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 50), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 15), QPointF(21, 21));
    p.setPen(QPen(QColor(40, 40, 50), 2));
    p.setBrush(QColor(200, 225, 255));
    p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
    return QIcon(pm);
}

QIcon favoritesIcon() {
    QPixmap pm = transparentCanvas(kToolIconSize);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double radius = (i % 2 == 0) ? 10.5 : 4.5;
        star << QPointF(12 + radius * std::cos(angle), 12.5 + radius * std::sin(angle));
    }
    p.setPen(QPen(QColor(120, 80, 0), 1.2));
    p.setBrush(QColor(250, 200, 40));
    p.drawPolygon(star);
    return QIcon(pm);
}

}  // namespace corvane
