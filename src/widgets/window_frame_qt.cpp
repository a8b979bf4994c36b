#include "widgets/window_frame_qt.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#include "widgets/desktop_frames_qt.h"

namespace korvalin {

QMargins windowFrame(QWidget* window)
{
    static QMargins lastSeen;
    if (auto known = knownFrame(window))
        lastSeen = *known;
    return lastSeen;
}

// Where the frame is known, the inside is placed where the frame says it
// lies: Qt's own placing by the frame guesses the frame before the window
// manager has drawn one. Where it is not, the window manager is asked to put
// the frame itself there.
void placeFrame(QWidget* window, QPoint frameTopLeft)
{
    const auto frame = knownFrame(window);
    if (frame) {
        window->setGeometry(
            QRect(frameTopLeft + QPoint(frame->left(), frame->top()), window->size()));
    } else {
        window->setGeometry(QRect(frameTopLeft, window->size()));
        window->windowHandle()->setFramePosition(frameTopLeft);
    }
    keepFramePlaced(window, frameTopLeft);
}

QPoint centredFrameSpot(QWidget* window, const QWidget* over)
{
    const QScreen* screen = over ? over->screen() : window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 640, 480);
    const QMargins frame = windowFrame(window);
    const QSize outer = window->size().grownBy(frame);
    const QRect target =
        over ? over->geometry().marginsAdded(windowFrame(const_cast<QWidget*>(over))) : area;
    QPoint spot = target.center() - QPoint(outer.width() / 2, outer.height() / 2);
    spot.setX(
        std::clamp(spot.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())));
    spot.setY(
        std::clamp(spot.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
    return spot;
}

bool windowsPlaceable()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace korvalin
