#include "world/world_map_window.h"

namespace korvalin {

TWorldMap::TWorldMap(Game& game) : GameDialog(game, WindowId::WorldMap)
{
    setFixedSize(256, 256);
}

}  // namespace korvalin
