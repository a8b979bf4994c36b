#include "app/splash_window.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

#include "app/platform_texts.h"
#include "game/colors.h"
#include "game/window_id.h"
#include "widgets/palette_qt.h"
#include "widgets/text_qt.h"
#include "widgets/window_frame_qt.h"

namespace korvalin {

Gauge::Gauge(int maxValue, QWidget* parent) : QWidget(parent), maxValue_(maxValue) {}

// Only the columns that change colour are painted. The X server may still be
// reading the last picture sent; painting over it again would make Qt wait
// for the server at every step, while new columns need no wait.
void Gauge::setProgress(int progress)
{
    const int before = filledWidth();
    progress_ = progress;
    const int after = filledWidth();
    if (before != after)
        repaint(std::min(before, after), 0, std::abs(after - before), height());
}

int Gauge::filledWidth() const
{
    return width() * progress_ / maxValue_;
}

void Gauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.fillRect(0, 0, filledWidth(), height(), QColor(colors::Maroon));
}

namespace {

QFrame* panel(QWidget* parent, QRect geometry, QColor color, QFrame::Shadow shadow)
{
    auto* frame = new QFrame(parent);
    frame->setGeometry(geometry);
    frame->setFrameStyle(QFrame::Panel | shadow);
    fillBackground(frame, color);
    return frame;
}

// A white tile holding a black square with a coloured one inside.
void tile(QWidget* parent, QPoint at, QColor color)
{
    QFrame* white = panel(parent, QRect(at, QSize(40, 40)), Qt::white, QFrame::Raised);
    panel(white, QRect(8, 8, 24, 24), Qt::black, QFrame::Plain);
    panel(white, QRect(13, 13, 14, 14), color, QFrame::Plain);
}

}  // namespace

// A plain window, not a tool window: a tool window is told to the window
// manager as belonging to another, and no other window is shown yet.
TForm2::TForm2()
    : QWidget(nullptr,
              Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(qtr(platform_texts::SplashTitle));
    setFixedSize(181, 202);

    QFrame* frame = panel(this, QRect(15, 19, 150, 150), QColor(colors::Silver), QFrame::Raised);
    panel(frame, QRect(8, 8, 134, 134), Qt::black, QFrame::Sunken);
    tile(this, QPoint(46, 49), QColor(colors::Teal));
    tile(this, QPoint(95, 49), QColor(colors::Red));
    tile(this, QPoint(46, 98), QColor(colors::Green));
    tile(this, QPoint(95, 98), QColor(colors::Purple));

    auto* label = new QLabel(qtr(platform_texts::PleaseWait), this);
    label->move(43, 3);
    label->adjustSize();

    Gauge1 = new Gauge(SplashGaugeMax, this);
    Gauge1->setGeometry(15, 168, 149, 17);

    placeFrame(this, centredFrameSpot(this, nullptr));
}

void TForm2::setProgress(int progress)
{
    Gauge1->setProgress(progress);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace korvalin
