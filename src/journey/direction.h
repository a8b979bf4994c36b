#pragma once

#include <cstdint>

namespace korvalin {

// Directions of movement; the arrow keys Up, Down, Left, Right give 1..4.
enum class Direction : std::uint8_t { None = 0, North = 1, South = 2, West = 3, East = 4 };

}  // namespace korvalin
