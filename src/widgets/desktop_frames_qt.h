#pragma once

#include <QMargins>
#include <QPoint>

#include <optional>

class QWidget;

namespace korvalin {

// What the desktop tells of a top-level window's frame: the platform's own.

// The frame drawn or promised for the window; none where the desktop cannot
// tell it before the window is shown.
std::optional<QMargins> knownFrame(QWidget* window);

// Sees to it, once the window is placed, that its frame stands at
// `frameTopLeft` where the desktop may draw it elsewhere.
void keepFramePlaced(QWidget* window, QPoint frameTopLeft);

}  // namespace korvalin
