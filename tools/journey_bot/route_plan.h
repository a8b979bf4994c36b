#pragma once

#include <string_view>
#include <vector>

#include "journey/arrival_spots.h"
#include "world/city_table.h"
#include "world/world_grid.h"

namespace korvalin {

// One leg of the journey as the player plans it: the visa for `country`,
// destination button `button` of the capital `from`, then the way to
// `goal`, the capital of that country (or London).
struct PlannedLeg {
    const CityRow* from;
    int button;
    std::string_view country;
    const Spot* goal;
};

// The capital of a country as the journey notices its arrival; London for
// the United Kingdom, which has no capital screen.
const Spot* capitalSpotOf(std::string_view country);

// The chain of embassy legs from Tokyo to London with the fewest steps on
// foot, each leg measured by the leg search from its capital's cell.
std::vector<PlannedLeg> planRoute(const WorldGrid& grid);

}  // namespace korvalin
