#include "game/game_core.h"

#include <utility>

#include "world/region_table.h"

namespace korvalin {

GameCore::GameCore(Ui& ui, Clock& clock, Stage& stage, SaveFiles saveFiles)
    : ui(ui), clock(clock), stage(stage), saveFiles(std::move(saveFiles))
{
}

bool GameCore::japanWestOfHiker() const
{
    return world.cell(state.hikerX() - 1, state.hikerY()) == RegionCodes(JapanEntry);
}

}  // namespace korvalin
