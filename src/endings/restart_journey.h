#pragma once

#include "game/window_id.h"

namespace korvalin {

class Game;

// Behind both endings' "start again": an empty diary, the journey's fields
// and the capital screen's choice as at the start in Kanazawa, no course
// chosen, and the title screen shown without waiting; then the ending
// window closes.
void restartJourney(Game& game, WindowId endingWindow);

}  // namespace korvalin
