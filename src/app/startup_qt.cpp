#include "app/startup_qt.h"

#include "app/desktop_ui_qt.h"
#include "app/window_factory_qt.h"

namespace korvalin {

std::vector<std::unique_ptr<QWidget>> createWindows(Game& game, DesktopUi& ui,
                                                    const std::function<void(int)>& progress)
{
    std::vector<std::unique_ptr<QWidget>> windows;
    for (const WindowInfo& info : WindowTable) {
        windows.emplace_back(createWindow(info.id, game));
        ui.registerWindow(info.id, windows.back().get());
        progress(info.progress);
    }
    return windows;
}

}  // namespace korvalin
