#pragma once

#include <optional>
#include <vector>

#include "app/game_state.h"
#include "journey/arrival_spots.h"
#include "journey/direction.h"
#include "world/world_grid.h"

namespace korvalin {

// The shortest way the movement rules let a hiker go from (x, y) to a step
// that enters `goal`: climbing where he may, and crossing into the
// destination country (which then becomes the present one) as the journey
// does. `leg` holds the leg codes and the possessions; the steps are the
// directions taken cell by cell, the last one entering the goal. Nothing
// when the goal cannot be reached.
std::optional<std::vector<Direction>> searchLeg(const WorldGrid& grid, const GameState& leg,
                                                int x, int y, const Spot& goal);

}  // namespace korvalin
