#include "journey/borders_and_arrivals.h"
#include "journey/neighbourhood.h"
#include "session/game.h"

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
    return anyIs(cells, s.PN) || cells[0] == s.PNA || cells[0] == s.PNB;
}

void checkBorderCrossing(Game& game)
{
    GameState& s = game.state;
    if (s.nyukoku || s.PN == s.PP || !reachesDestination(game.world, s, s.hikerX(), s.hikerY()))
        return;
    // The shop's offer and the visa belonged to the country left behind.
    game.KaimonoDlg.KaimonoButton6Visible = false;
    game.CapitalDlg.resetVisa();
    s.jusin3 = false;
    s.buy = false;
    forwardTelegrams(s);
    s.nyu = true;
    s.nyukoku = true;
    s.PP = s.PN;
    s.PPA = s.PNA;
    s.PPB = s.PNB;
}

}  // namespace korvalin
