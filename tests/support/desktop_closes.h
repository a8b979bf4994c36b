#pragma once

#include <QtTest/qtestspontaneevent.h>
#include <QApplication>
#include <QCloseEvent>
#include <QWidget>
#include <QWindow>

#include <functional>
#include <utility>
#include <vector>

namespace korvalin::testing {

// The ways a desktop closes a window the game did not ask to close: X
// delivers the close box and Alt+F4 as a spontaneous close event, a Wayland
// compositor closes the window as the program itself would.
inline std::vector<std::pair<const char*, std::function<void(QWidget&)>>> desktopCloses()
{
    return {
        {"a close box on X",
         [](QWidget& window) {
             QCloseEvent closeBox;
             QSpontaneKeyEvent::setSpontaneous(&closeBox);
             qApp->notify(&window, &closeBox);
         }},
        {"a Wayland compositor's close", [](QWidget& window) { window.windowHandle()->close(); }},
    };
}

}  // namespace korvalin::testing
