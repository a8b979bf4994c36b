#pragma once

#include <cstdint>

namespace korvalin {

// Cell codes with a meaning of their own; every other code in the grid is a
// region code of the region table.
inline constexpr std::uint8_t WaterTile = 2;
inline constexpr std::uint8_t CapitalTile = 4;
inline constexpr std::uint8_t CityTile = 34;

// No cell holds this code, so a leg whose extra passable code is 16 allows
// nothing extra.
inline constexpr std::uint8_t NoExtraTile = 16;

inline constexpr int GridSize = 256;

}  // namespace korvalin
