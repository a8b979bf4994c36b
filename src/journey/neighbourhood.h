#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "world/world_grid.h"

namespace korvalin {

class GameCore;

// The codes of a cell and of its neighbours to the west, south, north and
// east.
inline std::array<std::uint8_t, 5> cellAndNeighbours(const WorldGrid& world, int x, int y)
{
    return {world.cell(x, y), world.cell(x - 1, y), world.cell(x, y + 1), world.cell(x, y - 1),
            world.cell(x + 1, y)};
}

std::array<std::uint8_t, 5> hikerCellAndNeighbours(const GameCore& game);

inline bool anyIs(const std::array<std::uint8_t, 5>& cells, std::uint8_t code)
{
    return std::ranges::find(cells, code) != cells.end();
}

}  // namespace korvalin
