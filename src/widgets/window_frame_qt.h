#pragma once

#include <QMargins>
#include <QPoint>

class QWidget;

namespace korvalin {

// The window manager's frame around a top-level window (title bar and
// borders); none without a window manager. A window never shown yet gets
// its frame from the window manager on request; where the window manager
// cannot tell it, the last frame seen stands in.
QMargins windowFrame(QWidget* window);

// Puts the window's frame, not its inside, at `frameTopLeft`: the same place
// at the first showing as at every later one, whatever the window manager.
void placeFrame(QWidget* window, QPoint frameTopLeft);

// Where a window's frame goes to stand centred over `over` (the screen when
// null), kept wholly on the screen.
QPoint centredFrameSpot(QWidget* window, const QWidget* over);

// False where the compositor places every window itself and ignores the
// place a program asks for (Wayland).
bool windowsPlaceable();

}  // namespace korvalin
