#include "session/game.h"

#include <utility>

#include "world/region_table.h"

namespace korvalin {

Game::Game(Ui& ui, Clock& clock, SaveFiles saveFiles)
    : ui(ui), clock(clock), saveFiles(std::move(saveFiles))
{
}

bool Game::japanWestOfHiker() const
{
    return world.cell(state.hikerX() - 1, state.hikerY()) == RegionCodes(JapanEntry);
}

}  // namespace korvalin
