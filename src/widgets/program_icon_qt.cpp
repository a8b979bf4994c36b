#include "widgets/program_icon_qt.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include "game/colors.h"

namespace korvalin {

namespace {

// Drawn in a 32 x 32 frame and scaled.
constexpr qreal Frame = 32;

}  // namespace

// Drawn at the screen's pixel density, so that it stays sharp on a
// high-resolution screen.
QPixmap programIcon(int size)
{
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap icon(QSize(size, size) * ratio);
    icon.setDevicePixelRatio(ratio);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / Frame, size / Frame);

    painter.setPen(QPen(QColor(0, 0, 64), 1));
    painter.setBrush(QColor(16, 40, 128));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 5, 5);

    QPainterPath land;
    land.moveTo(3, 14);
    land.cubicTo(7, 7, 16, 9, 21, 8);
    land.cubicTo(26, 7, 30, 11, 29, 16);
    land.cubicTo(28, 22, 22, 21, 18, 25);
    land.cubicTo(13, 28, 6, 24, 3, 20);
    land.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(96, 176, 80));
    painter.drawPath(land);

    QPen road(QColor(255, 224, 64), 1.6, Qt::DashLine, Qt::RoundCap);
    painter.setPen(road);
    painter.setBrush(Qt::NoBrush);
    QPainterPath route;
    route.moveTo(25, 17);
    route.cubicTo(20, 21, 14, 12, 7, 14);
    painter.drawPath(route);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 30, 30));
    painter.drawEllipse(QPointF(6.5, 13.5), 2.2, 2.2);

    painter.setBrush(QColor(colors::Silver));
    painter.drawRect(QRectF(23, 15, 6, 6));
    painter.setBrush(QColor(colors::Purple));
    painter.drawRect(QRectF(24.5, 16.5, 3, 3));
    return icon;
}

}  // namespace korvalin
