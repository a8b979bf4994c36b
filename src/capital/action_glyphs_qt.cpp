#include "capital/action_glyphs_qt.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <functional>

#include "widgets/text_qt.h"

namespace korvalin {

namespace {

constexpr int GlyphSize = 24;

void door(QPainter& p)  // leave the city: a door and the way out
{
    p.setBrush(QColor(150, 90, 40));
    p.drawRect(3, 3, 10, 18);
    p.setBrush(Qt::yellow);
    p.drawEllipse(QPointF(10.5, 12.5), 1.2, 1.2);
    p.setPen(QPen(QColor(0, 150, 0), 3));
    p.drawLine(14, 12, 21, 12);
    p.drawLine(18, 8, 21, 12);
    p.drawLine(18, 16, 21, 12);
}

void hammer(QPainter& p)  // a part-time job
{
    p.setPen(QPen(QColor(160, 110, 60), 3));
    p.drawLine(6, 20, 15, 9);
    p.setPen(Qt::black);
    p.setBrush(Qt::gray);
    p.save();
    p.translate(15, 8);
    p.rotate(-50);
    p.drawRect(-7, -3, 14, 6);
    p.restore();
}

void bag(QPainter& p)  // shopping
{
    p.setBrush(QColor(220, 60, 60));
    p.drawRect(4, 9, 16, 12);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 2));
    p.drawArc(8, 3, 8, 10, 0, 180 * 16);
}

void lettered(QPainter& p, const QColor& disc, const QString& text, const QColor& ink)
{
    p.setBrush(disc);
    p.drawEllipse(2, 2, 20, 20);
    p.setPen(ink);
    p.setFont(pixelFont(14, true));
    p.drawText(QRect(2, 2, 20, 20), Qt::AlignCenter, text);
}

void pawnShop(QPainter& p)  // the pawnbroker's sign, in the language of play
{
    lettered(p, Qt::white, qtr("質"), Qt::black);
}

void telegram(QPainter& p)  // an envelope with a flash
{
    p.setBrush(Qt::white);
    p.drawRect(2, 6, 20, 13);
    p.drawPolyline(QPolygon({QPoint(2, 6), QPoint(12, 14), QPoint(22, 6)}));
    p.setBrush(Qt::yellow);
    p.drawPolygon(QPolygon({QPoint(16, 0), QPoint(11, 9), QPoint(15, 9), QPoint(12, 16),
                            QPoint(20, 6), QPoint(16, 6), QPoint(19, 0)}));
}

void bank(QPainter& p)
{
    lettered(p, QColor(230, 190, 40), QStringLiteral("¥"), QColor(120, 70, 0));
}

void diary(QPainter& p)  // a book
{
    p.setBrush(QColor(40, 80, 170));
    p.drawRect(4, 3, 15, 18);
    p.setBrush(Qt::white);
    p.drawRect(17, 4, 3, 16);
    p.setPen(Qt::white);
    p.drawLine(7, 8, 14, 8);
    p.drawLine(7, 11, 14, 11);
}

void help(QPainter& p)
{
    lettered(p, QColor(0, 120, 220), QStringLiteral("?"), Qt::white);
}

void worldMap(QPainter& p)  // a folded map with the way marked
{
    p.setBrush(QColor(240, 230, 180));
    p.drawPolygon(QPolygon({QPoint(2, 5), QPoint(8, 3), QPoint(15, 5), QPoint(22, 3),
                            QPoint(22, 19), QPoint(15, 21), QPoint(8, 19), QPoint(2, 21)}));
    p.drawLine(8, 3, 8, 19);
    p.drawLine(15, 5, 15, 21);
    p.setPen(QPen(Qt::red, 2));
    p.drawPolyline(QPolygon({QPoint(19, 8), QPoint(13, 12), QPoint(9, 10), QPoint(4, 16)}));
}

void floppy(QPainter& p)  // saving the game
{
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(3, 3, 18, 18);
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(7, 3, 10, 6);
    p.setBrush(Qt::white);
    p.drawRect(6, 12, 12, 9);
}

void embassy(QPainter& p)  // a hall with columns
{
    p.setBrush(QColor(230, 230, 230));
    p.drawPolygon(QPolygon({QPoint(2, 9), QPoint(12, 3), QPoint(22, 9)}));
    for (int x : {4, 9, 14, 19})
        p.drawRect(x, 10, 2, 9);
    p.drawRect(2, 19, 20, 2);
}

void japaneseEmbassy(QPainter& p)  // the flag of Japan on its pole
{
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(3, 2, 3, 22);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(4, 3, 18, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 0, 30));
    p.drawEllipse(QPointF(13, 9), 3.5, 3.5);
}

using Painter = void (*)(QPainter&);

// SpeedButton1 .. SpeedButton12.
constexpr std::array<Painter, 12> Glyphs = {door,     hammer, bag,     pawnShop,
                                            telegram, bank,   diary,   help,
                                            worldMap, floppy, embassy, japaneseEmbassy};

QPixmap drawn(const std::function<void(QPainter&)>& draw, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    draw(painter);
    return pixmap;
}

}  // namespace

QIcon actionGlyph(int k)
{
    const QPixmap up = drawn(Glyphs[static_cast<std::size_t>(k - 1)], GlyphSize);
    QIcon icon(up);
    // Pressed, the picture sinks a pixel with the button.
    QPixmap down(up.size());
    down.fill(Qt::transparent);
    QPainter(&down).drawPixmap(1, 1, up);
    icon.addPixmap(down, QIcon::Active, QIcon::On);
    icon.addPixmap(down, QIcon::Selected);
    return icon;
}

QPixmap footprintPicture(int k)
{
    const bool left = k % 2 == 0;
    return drawn(
        [left](QPainter& p) {
            if (left) {
                p.translate(27, 0);
                p.scale(-1, 1);
            }
            p.translate(13.5, 13.5);
            p.rotate(12);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(90, 60, 30));
            p.drawEllipse(QRectF(-5, -9, 10, 11));  // the ball of the foot
            p.drawEllipse(QRectF(-3.5, 3, 7, 8));   // the heel
            const std::array<QPointF, 4> toes = {QPointF(-4, -11), QPointF(-1, -12.5),
                                                 QPointF(2, -12), QPointF(4.5, -10)};
            for (const QPointF& toe : toes)
                p.drawEllipse(toe, 1.3, 1.3);
        },
        27);
}

}  // namespace korvalin
