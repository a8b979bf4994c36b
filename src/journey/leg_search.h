#pragma once

#include <optional>
#include <span>
#include <vector>

#include "game/game_state.h"
#include "journey/arrival_spots.h"
#include "world/direction.h"
#include "world/world_grid.h"

namespace korvalin {

struct LegSearchOptions {
    // Keep off every capital and city cell but the goal, whose screen would
    // stop the hiker on the way.
    bool avoidOtherPlaces = false;
};

// The directions taken cell by cell, the last one entering the goal, what
// the way costs in the search's own units, and the goal reached.
struct LegPath {
    std::vector<Direction> steps;
    int cost = 0;
    const Spot* reached = nullptr;
};

// The cheapest way the movement rules let a hiker go from (x, y) to a step
// that enters one of `goals`: climbing where he may, and crossing into the
// destination country (which then becomes the present one) as the journey
// does. A climb costs more than a walk for its days, a ship ten walks for
// its fare, and a turn costs too (each one is a key press that ends a
// ride). `leg` holds the leg codes and the possessions. Nothing when the
// goal cannot be reached.
std::optional<LegPath> searchLeg(const WorldGrid& grid, const GameState& leg, int x, int y,
                                 std::span<const Spot> goals, LegSearchOptions options = {});

}  // namespace korvalin
