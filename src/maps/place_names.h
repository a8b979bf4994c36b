#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "world/world_grid.h"

namespace korvalin {

// A name the travel view shows under the pointer, with the width in pixels
// of the panel that holds it.
struct PlaceName {
    std::string_view name;
    int width;
    friend bool operator==(const PlaceName&, const PlaceName&) = default;
};

inline constexpr int HintPanelHeight = 20;

// A city's own name in the language of play. A city named as its country
// (Kuwait) is told apart in the catalogue by the context "city".
std::string_view shownCityName(std::string_view name);

// A named sea or lake: the water cells inside its box, columns x0-x1 and
// rows y0-y1, both ends included.
struct WaterBox {
    PlaceName place;
    int x0, x1, y0, y1;
};

// Tried in this order; boxes overlap, so the first that holds a cell names it.
extern const std::array<WaterBox, 13> Waters;
inline constexpr PlaceName OpenSea{"海", 20};

// The panel widths of the cities that are not capitals, by the city's name.
extern const std::array<PlaceName, 23> CityNames;

// The place the lookup names at cell (cx, cy), in the language of play;
// nothing for a region without a name and for the capital that has none.
// Coordinates wrap around.
std::optional<PlaceName> placeNameAt(const WorldGrid& world, int cx, int cy);

}  // namespace korvalin
