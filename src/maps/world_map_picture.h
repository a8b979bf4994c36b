#pragma once

#include <span>

#include "game/trail.h"
#include "world/bitmap.h"
#include "world/world_grid.h"

namespace korvalin {

struct GameState;

// The whole world at one pixel per cell, as the overview map shows it: the
// present and next countries, the goal, the outline of the travel view, the
// hiker's own trail under his mark and, with the duo's diary, where the duo
// stood on the same day.
Bitmap worldMapPicture(const WorldGrid& world, const GameState& state,
                       std::span<const TrailCell> trail);

// The whole journey at JourneyMapScale pixels per cell, for the picture the
// player keeps from London: the world coloured as the overview map colours
// it, the duo's route from Hong Kong and the hiker's own trail over it.
inline constexpr int JourneyMapScale = 3;
Bitmap journeyMapPicture(const WorldGrid& world, const GameState& state,
                         std::span<const TrailCell> trail);

}  // namespace korvalin
