#pragma once

#include <string>
#include <string_view>

#include "journey/direction.h"
#include "journey/travel_modes.h"

namespace korvalin {

class Game;

// Which step ended the day: a climb writes only the heading, a normal or a
// refused step also the quiet-day and calendar lines of its own text set.
enum class DayBranch { Climbing, Normal, Refused };

// "12日目　97/12/24 （中国）"
std::string dayHeading(int dayNumber, std::string_view date, std::string_view country);

// The day number has passed dayold: closes the old day and heads the new one.
void dayChange(Game& game, Direction d, DayBranch branch);

// The line that tells a new mode has begun; walking has none.
void announceMode(Game& game, TravelMode mode, Direction d);

}  // namespace korvalin
