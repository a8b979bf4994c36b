#pragma once

#include <functional>

class QWidget;

namespace korvalin {

// For the windows that are left only through their own buttons: Escape is
// swallowed, and the window manager's close (its close box, which some
// window managers draw on every window, or Alt+F4) runs `closeBox` instead of
// closing, or nothing where the window's own buttons must answer it; a close
// asked for by a handler still goes through.
void closeOnlyFromHandlers(QWidget* window, std::function<void()> closeBox = {});

}  // namespace korvalin
