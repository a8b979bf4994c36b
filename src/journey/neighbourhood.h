#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "app/game.h"

namespace korvalin {

// The codes of the hiker's cell and of its neighbours to the west, south,
// north and east.
inline std::array<std::uint8_t, 5> hikerCellAndNeighbours(const Game& game)
{
    const int x = game.state.hikerX();
    const int y = game.state.hikerY();
    return {game.world.cell(x, y), game.world.cell(x - 1, y), game.world.cell(x, y + 1),
            game.world.cell(x, y - 1), game.world.cell(x + 1, y)};
}

inline bool anyIs(const std::array<std::uint8_t, 5>& cells, std::uint8_t code)
{
    return std::ranges::find(cells, code) != cells.end();
}

}  // namespace korvalin
