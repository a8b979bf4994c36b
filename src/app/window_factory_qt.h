#pragma once

#include "game/window_id.h"

class QWidget;

namespace korvalin {

class Game;

// Creates the window of the game named by `id`; it lives until the end.
QWidget* createWindow(WindowId id, Game& game);

}  // namespace korvalin
