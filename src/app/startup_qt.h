#pragma once

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

#include "world/tile_sheet.h"

namespace korvalin {

class DesktopUi;
class Game;

// The application's name, look and icon, as the desktop shows them; the
// game decides itself when it ends, not the last window closed.
void dressApplication();

// The tile sheet from the first place a player's game looks in: the working
// directory, then beside the program. Throws StartupError naming the file,
// or every place looked in, when none can be used.
TileSheet loadGameTileSheet();

// Loads the tile sheet, then creates every window of the game once, in the
// window table's order, registering each with the Ui and reporting the
// splash gauge's progress after each. Throws StartupError when the game
// cannot be played.
std::vector<std::unique_ptr<QWidget>> createWindows(Game& game, DesktopUi& ui,
                                                    const std::function<void(int)>& progress);

}  // namespace korvalin
