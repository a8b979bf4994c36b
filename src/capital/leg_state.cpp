#include "capital/leg_state.h"

#include "game/game_state.h"

namespace korvalin {

void setLeg(GameState& s, const LegCodes& leg)
{
    s.PP = leg.PP;
    s.PPA = leg.PPA;
    s.PPB = leg.PPB;
    s.PN = leg.PN;
    s.PNA = leg.PNA;
    s.PNB = leg.PNB;
    s.PS = leg.PS;
}

void saveLeg(GameState& s)
{
    s.legsave = {s.PP, s.PPA, s.PPB, s.PN, s.PNA, s.PNB, s.PS};
}

void restoreLeg(GameState& s)
{
    const auto& b = s.legsave;
    setLeg(
        s,
        {.PP = b[0], .PPA = b[1], .PPB = b[2], .PN = b[3], .PNA = b[4], .PNB = b[5], .PS = b[6]});
}

}  // namespace korvalin
