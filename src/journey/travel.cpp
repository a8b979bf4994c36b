#include "journey/travel.h"

#include "session/game.h"

namespace korvalin {

void Travel::FormCreate()
{
    game_.world.build();
    game_.view.fullRedraw(game_.state.MapX, game_.state.MapY);
}

}  // namespace korvalin
