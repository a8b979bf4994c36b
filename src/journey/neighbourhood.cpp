#include "journey/neighbourhood.h"

#include "game/game_core.h"

namespace korvalin {

std::array<std::uint8_t, 5> hikerCellAndNeighbours(const GameCore& game)
{
    return cellAndNeighbours(game.world, game.state.hikerX(), game.state.hikerY());
}

}  // namespace korvalin
