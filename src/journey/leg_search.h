#pragma once

#include <optional>
#include <vector>

#include "app/game_state.h"
#include "journey/arrival_spots.h"
#include "journey/direction.h"
#include "world/world_grid.h"

namespace korvalin {

struct LegSearchOptions {
    // Keep off every capital and city cell but the goal, whose screen would
    // stop the hiker on the way.
    bool avoidOtherPlaces = false;
};

// The cheapest way the movement rules let a hiker go from (x, y) to a step
// that enters `goal`: climbing where he may, and crossing into the
// destination country (which then becomes the present one) as the journey
// does. A climb costs more than a walk, and a turn costs too (each one is a
// key press that ends a ride). `leg` holds the leg codes and the
// possessions; the steps are the directions taken cell by cell, the last
// one entering the goal. Nothing when the goal cannot be reached.
std::optional<std::vector<Direction>> searchLeg(const WorldGrid& grid, const GameState& leg,
                                                int x, int y, const Spot& goal,
                                                LegSearchOptions options = {});

}  // namespace korvalin
