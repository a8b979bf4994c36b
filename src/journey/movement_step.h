#pragma once

#include <cstdint>

#include "world/direction.h"

namespace korvalin {

class GameCore;
class Travel;
struct GameState;

// Whether the step onto a cell of code `ahead` is a climb, and whether the
// leg lets the hiker walk or ride onto it.
bool climbs(const GameState& s, std::uint8_t ahead);
bool passable(const GameState& s, std::uint8_t ahead);

// One tick of movement in direction d: climbs, moves on in the chosen mode,
// or is refused and turned back; advances the clock, writes the diary and
// charges the cost.
void movementStep(GameCore& game, Travel& travel, Direction d);

}  // namespace korvalin
