#include "game/game_core.h"
#include "game/loss_divisor.h"
#include "journey/borders_and_arrivals.h"
#include "journey/diary_texts.h"
#include "journey/neighbourhood.h"
#include "journey/travel.h"
#include "world/region_table.h"

namespace korvalin {

namespace {

// Only on the open road of the present country: not at sea, not at home,
// not in its mountains, not beside a city and not in Singapore.
bool onTheOpenRoad(const GameCore& game)
{
    const auto cells = hikerCellAndNeighbours(game);
    const std::uint8_t here = cells[0];
    return here != WaterTile && here != RegionCodes(JapanEntry) && !anyIs(cells, CapitalTile) &&
           !anyIs(cells, CityTile) && here != RegionCodes(SingaporeEntry) &&
           here == game.state.leg.PP;
}

}  // namespace

void checkPassportLoss(GameCore& game, Travel& travel)
{
    GameState& s = game.state;
    if (s.lossDraw != 0 || s.lostf || !onTheOpenRoad(game))
        return;
    travel.Timer1Interval = 1;
    s.WantDir = Direction::None;
    s.lostf = true;
    game.appendDiaryLine(passportLossLine(s.kk == 1, s.leg.PN != s.leg.PP));
    // Without a passport no border opens: the way leads back to a capital
    // of the present country.
    s.leg.PN = s.leg.PP;
    s.kk = raisedLossDivisor(s.kk, 2);
    game.ui.show(WindowId::LostDlg);
}

}  // namespace korvalin
