#pragma once

class QWidget;

namespace korvalin {

// For the windows that are left only through their own buttons: Escape and
// the window manager's close (Alt+F4) are swallowed, while a close asked for
// by a handler still goes through.
void closeOnlyFromHandlers(QWidget* window);

}  // namespace korvalin
