#include "game/game.h"

#include "world/region_table.h"

namespace korvalin {

Game::Game(Ui& ui, Clock& clock) : ui(ui), clock(clock) {}

bool Game::japanWestOfHiker() const
{
    return world.cell(state.hikerX() - 1, state.hikerY()) == RegionCodes(JapanEntry);
}

}  // namespace korvalin
