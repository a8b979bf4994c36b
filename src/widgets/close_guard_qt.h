#pragma once

#include <functional>

class QWidget;

namespace korvalin {

// For the windows that are left only through their own buttons: Escape is
// swallowed, and every close the game did not ask for itself (a window
// manager's close box, which some draw on every window, Alt+F4, or a Wayland
// compositor's close, which arrives as the game's own would) runs
// `closeBox` instead of closing, or nothing where the window's own buttons
// must answer it.
void closeOnlyFromHandlers(QWidget* window, std::function<void()> closeBox = {});

// Closes a window as the game's handlers do, past its guard.
void closeFromHandler(QWidget* window);

// Ends the program: Qt closes every window first, guarded or not.
void quitProgram();

}  // namespace korvalin
