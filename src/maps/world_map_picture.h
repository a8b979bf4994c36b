#pragma once

#include "world/bitmap.h"
#include "world/world_grid.h"

namespace korvalin {

struct GameState;

// The whole world at one pixel per cell, as the overview map shows it: the
// present and next countries, the goal, the hiker, the outline of the travel
// view and, with the duo's diary, where the duo stood on the same day.
Bitmap worldMapPicture(const WorldGrid& world, const GameState& state);

}  // namespace korvalin
