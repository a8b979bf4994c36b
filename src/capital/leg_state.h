#pragma once

#include "world/city_table.h"

namespace korvalin {

struct GameState;

// The seven leg codes PP .. PS of the game.
void setLeg(GameState& s, const LegCodes& leg);

// legsave keeps the leg the hiker arrived with, so that leaving without a
// visa can undo a choice made in the city.
void saveLeg(GameState& s);
void restoreLeg(GameState& s);

}  // namespace korvalin
