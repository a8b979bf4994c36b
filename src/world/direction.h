#pragma once

#include <cstdint>

namespace korvalin {

// Directions of movement; the arrow keys Up, Down, Left, Right give 1..4.
enum class Direction : std::uint8_t { None = 0, North = 1, South = 2, West = 3, East = 4 };

// One step on the grid: x grows eastward, y southward.
struct Step {
    int dx = 0;
    int dy = 0;
};

constexpr Step stepOf(Direction d)
{
    switch (d) {
        case Direction::North:
            return {0, -1};
        case Direction::South:
            return {0, 1};
        case Direction::West:
            return {-1, 0};
        case Direction::East:
            return {1, 0};
        case Direction::None:
            break;
    }
    return {};
}

// Where a refused step turns the hiker.
constexpr Direction opposite(Direction d)
{
    switch (d) {
        case Direction::North:
            return Direction::South;
        case Direction::South:
            return Direction::North;
        case Direction::West:
            return Direction::East;
        case Direction::East:
            return Direction::West;
        case Direction::None:
            break;
    }
    return Direction::None;
}

}  // namespace korvalin
