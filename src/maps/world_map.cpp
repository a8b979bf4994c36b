#include "maps/world_map.h"

#include "game/game_core.h"
#include "maps/world_map_picture.h"

namespace korvalin {

void WorldMap::FormKeyDown()
{
    game_.ui.close(WindowId::WorldMap);
}

void WorldMap::FormDeactivate()
{
    game_.ui.close(WindowId::WorldMap);
}

void WorldMap::drawMap()
{
    Picture = worldMapPicture(game_.world, game_.state, game_.trail.cells());
}

}  // namespace korvalin
