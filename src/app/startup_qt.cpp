#include "app/startup_qt.h"

#include <QApplication>
#include <QIcon>

#include <filesystem>

#include "app/desktop_ui_qt.h"
#include "app/window_factory_qt.h"
#include "game/startup_error.h"
#include "session/game.h"
#include "widgets/game_style_qt.h"
#include "widgets/program_icon_qt.h"
#include "world/tile_sheet_places.h"
#include "world/tile_sheet_qt.h"

namespace korvalin {

void dressApplication()
{
    QApplication::setApplicationName(QStringLiteral("Korvalin"));
    QApplication::setStyle(new GameStyle);
    // Ties the windows to the menu entry, whose icon the desktop then shows.
    QApplication::setDesktopFileName(QStringLiteral("org.korvalin.Korvalin"));
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(programIcon(size));
    QApplication::setWindowIcon(icon);
    QApplication::setQuitOnLastWindowClosed(false);
}

TileSheet loadGameTileSheet()
{
    TileSheetLoad load = findTileSheet(tileSheetPlaces(
        std::filesystem::current_path(), QApplication::applicationFilePath().toStdString()));
    if (!load.sheet)
        throw StartupError(tileSheetMessage(load.fault, load.places));
    return std::move(*load.sheet);
}

std::vector<std::unique_ptr<QWidget>> createWindows(Game& game, DesktopUi& ui,
                                                    const std::function<void(int)>& progress)
{
    game.tileSheet = loadGameTileSheet();
    std::vector<std::unique_ptr<QWidget>> windows;
    for (const WindowInfo& info : WindowTable) {
        windows.emplace_back(createWindow(info.id, game));
        ui.registerWindow(info.id, windows.back().get());
        progress(info.progress);
    }
    return windows;
}

}  // namespace korvalin
