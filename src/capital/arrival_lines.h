#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvalin {

struct CityRow;
struct GameState;

// The diary lines of an arrival, "　　東京に到着。" for most places. Some cities
// greet the hiker in their own words, the first time differently from later
// ones; those mark their first arrival in the state.
std::vector<std::string> arrivalLines(const CityRow& row, GameState& s);

// The animals the hiker rides are left at the gates of a few capitals.
void leaveAnimalsAtTheGates(const CityRow& row, GameState& s);

// "　　東京を出発。"
std::string departureLine(const CityRow& row);

}  // namespace korvalin
