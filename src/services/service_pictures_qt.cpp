#include "services/service_pictures_qt.h"

#include <QPainter>
#include <QPainterPath>

#include "widgets/text_qt.h"

namespace korvalin {

namespace {

// Each picture is drawn on a 48 x 48 square.

// A shovel stuck in a mound of earth, the sun behind it.
void drawWork(QPainter& p)
{
    p.setBrush(QColor(255, 200, 0));
    p.setPen(Qt::NoPen);
    p.drawEllipse(26, 4, 16, 16);
    p.setBrush(QColor(150, 100, 50));
    p.drawChord(QRect(2, 30, 44, 30), 0, 180 * 16);
    p.setPen(QPen(QColor(120, 70, 20), 3));
    p.drawLine(18, 8, 22, 34);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(170, 170, 190));
    p.drawPolygon(QPolygon({{16, 30}, {28, 28}, {29, 40}, {23, 46}, {17, 41}}));
}

// A shopping bag with two handles.
void drawShop(QPainter& p)
{
    p.setPen(QPen(QColor(120, 60, 0), 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(14, 6, 10, 16), 0, 180 * 16);
    p.drawArc(QRect(24, 6, 10, 16), 0, 180 * 16);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(230, 80, 60));
    p.drawRect(8, 14, 32, 30);
    p.setBrush(Qt::white);
    p.drawEllipse(18, 22, 12, 12);
}

// The pawnbroker's sign: the character 質, in English a P, on a hanging
// board.
void drawPawn(QPainter& p)
{
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(6, 4, 42, 4);
    p.drawLine(14, 4, 14, 10);
    p.drawLine(34, 4, 34, 10);
    p.setBrush(QColor(60, 40, 30));
    p.drawRect(8, 10, 32, 34);
    QFont font = p.font();
    font.setPixelSize(24);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(8, 10, 32, 34), Qt::AlignCenter, qtr("質"));
}

// A telegraph pole with its wires, and a telegram form.
void drawTelegram(QPainter& p)
{
    p.setPen(QPen(QColor(110, 70, 30), 3));
    p.drawLine(12, 4, 12, 46);
    p.drawLine(4, 10, 20, 10);
    p.setPen(QPen(Qt::darkGray, 1));
    p.drawLine(0, 12, 48, 18);
    p.drawLine(0, 8, 48, 14);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 250, 220));
    p.drawRect(22, 24, 22, 18);
    for (int y = 29; y < 40; y += 4)
        p.drawLine(26, y, 40, y);
}

}  // namespace

PictureBox::PictureBox(ServicePicture picture, QWidget* parent) : QWidget(parent), picture_(picture)
{
    setFixedSize(48, 48);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    switch (picture_) {
        case ServicePicture::Work:
            drawWork(p);
            break;
        case ServicePicture::Shop:
            drawShop(p);
            break;
        case ServicePicture::Pawn:
            drawPawn(p);
            break;
        case ServicePicture::Telegram:
            drawTelegram(p);
            break;
    }
}

}  // namespace korvalin
