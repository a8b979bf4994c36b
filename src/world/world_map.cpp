#include "world/world_map.h"

#include "app/game.h"
#include "world/world_map_picture.h"

namespace korvalin {

void WorldMap::FormKeyDown()
{
    game_.ui.close(WindowId::WorldMap);
}

void WorldMap::FormDeactivate()
{
    game_.ui.close(WindowId::WorldMap);
}

void WorldMap::PaintBox1Paint()
{
    Picture = worldMapPicture(game_.world, game_.state);
}

}  // namespace korvalin
