#pragma once

#include "journey/direction.h"

namespace korvalin {

class Game;

// One tick of movement in direction d: climbs, moves on in the chosen mode,
// or is refused and turned back; advances the clock, writes the diary and
// charges the cost.
void movementStep(Game& game, Direction d);

}  // namespace korvalin
