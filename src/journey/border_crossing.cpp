#include "game/game_core.h"
#include "journey/borders_and_arrivals.h"
#include "journey/neighbourhood.h"

namespace korvalin {

namespace {

// Telegrams sent home are answered in the next country.
void forwardTelegrams(GameState& s)
{
    if (s.sosin1) {
        s.jusin1 = true;
        s.sosin1 = false;
    }
    if (s.sosin2) {
        s.jusin2 = true;
        s.sosin2 = false;
    }
}

}  // namespace

bool reachesDestination(const WorldGrid& world, const GameState& s, int x, int y)
{
    const auto cells = cellAndNeighbours(world, x, y);
    return anyIs(cells, s.leg.PN) || cells[0] == s.leg.PNA || cells[0] == s.leg.PNB;
}

void checkBorderCrossing(GameCore& game)
{
    GameState& s = game.state;
    if (s.nyukoku || s.leg.PN == s.leg.PP ||
        !reachesDestination(game.world, s, s.hikerX(), s.hikerY()))
        return;
    // The visa belonged to the country left behind.
    s.voidVisa();
    s.jusin3 = false;
    s.buy = false;
    forwardTelegrams(s);
    s.nyu = true;
    s.nyukoku = true;
    s.leg.PP = s.leg.PN;
    s.leg.PPA = s.leg.PNA;
    s.leg.PPB = s.leg.PNB;
}

}  // namespace korvalin
