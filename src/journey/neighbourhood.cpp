#include "journey/neighbourhood.h"

#include "session/game.h"

namespace korvalin {

std::array<std::uint8_t, 5> hikerCellAndNeighbours(const Game& game)
{
    return cellAndNeighbours(game.world, game.state.hikerX(), game.state.hikerY());
}

}  // namespace korvalin
