#include "endings/london_picture_qt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace korvalin {

namespace {

constexpr int Width = 320;
constexpr int Height = 216;
constexpr int Waterline = 160;

const QColor Stone(40, 34, 52);

void drawSky(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, Waterline);
    sky.setColorAt(0.0, QColor(28, 36, 92));
    sky.setColorAt(0.55, QColor(196, 92, 112));
    sky.setColorAt(1.0, QColor(252, 178, 92));
    p.fillRect(0, 0, Width, Waterline, sky);
    p.setBrush(QColor(255, 236, 190));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(250, 128), 16, 16);
}

// The dome with its lantern, and the roofs of the City around it.
void drawDome(QPainter& p)
{
    p.setBrush(Stone.lighter(130));
    p.drawRect(176, 118, 56, 42);
    p.drawRect(192, 104, 24, 16);
    QPainterPath dome;
    dome.moveTo(188, 106);
    dome.cubicTo(188, 80, 220, 80, 220, 106);
    dome.closeSubpath();
    p.drawPath(dome);
    p.drawRect(202, 78, 4, 10);
    p.drawEllipse(QPointF(204, 77), 2.5, 2.5);
}

// Two Gothic towers joined by the high walkways, the road below.
void drawBridge(QPainter& p)
{
    p.setBrush(Stone.lighter(115));
    for (const int left : {254, 294}) {
        p.drawRect(left, 104, 16, 56);
        p.drawPolygon(
            QPolygonF({QPointF(left - 2, 104), QPointF(left + 8, 88), QPointF(left + 18, 104)}));
    }
    p.drawRect(270, 108, 24, 4);
    p.drawRect(236, 138, 84, 5);
}

// The long front of the Houses of Parliament with its pinnacles.
void drawParliament(QPainter& p)
{
    p.setBrush(Stone);
    p.drawRect(60, 126, 110, 34);
    for (int x = 62; x < 170; x += 9)
        p.drawRect(x, 120, 3, 8);
    p.drawRect(140, 96, 18, 32);
    p.drawPolygon(QPolygonF({QPointF(138, 96), QPointF(149, 84), QPointF(160, 96)}));
    p.setBrush(LondonLamplight);
    for (int x = 66; x < 166; x += 8)
        p.drawRect(x, 138, 3, 5);
}

// The clock tower: shaft, lit clock face and spire.
void drawClockTower(QPainter& p)
{
    p.setBrush(Stone);
    p.drawRect(28, 60, 20, 100);
    p.drawRect(26, 52, 24, 10);
    p.drawPolygon(QPolygonF({QPointF(26, 52), QPointF(38, 22), QPointF(50, 52)}));
    p.drawRect(37, 14, 2, 9);
    p.setBrush(LondonLamplight);
    p.drawEllipse(QPointF(38, 68), 7, 7);
    p.setPen(QPen(Stone, 1.2));
    p.drawLine(QPointF(38, 68), QPointF(38, 63));
    p.drawLine(QPointF(38, 68), QPointF(42, 68));
    p.setPen(Qt::NoPen);
}

// The river, with the lights of the bank broken up on it.
void drawRiver(QPainter& p)
{
    QLinearGradient river(0, Waterline, 0, Height);
    river.setColorAt(0.0, QColor(60, 56, 96));
    river.setColorAt(1.0, QColor(14, 18, 48));
    p.fillRect(0, Waterline, Width, Height - Waterline, river);
    QColor reflection = LondonLamplight;
    reflection.setAlpha(150);
    p.setBrush(reflection);
    for (int row = 0; row < 7; ++row) {
        const int y = Waterline + 6 + row * 7;
        for (int x = 32 + (row % 2) * 11; x < Width; x += 23)
            p.drawRect(x, y, 8 - row % 3 * 2, 2);
    }
}

}  // namespace

QImage londonPicture()
{
    QImage picture(Width, Height, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    drawSky(p);
    drawDome(p);
    drawBridge(p);
    drawParliament(p);
    drawClockTower(p);
    drawRiver(p);
    return picture;
}

}  // namespace korvalin
