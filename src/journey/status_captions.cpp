#include "journey/status_captions.h"

#include "game/game_state.h"
#include "game/language.h"

namespace korvalin {

std::string moneyCaption(int yen)
{
    return fill(tr("%1万%2円"), yen / 10000, yen % 10000, groupedNumber(yen));
}

std::string dayCaption(int minutes)
{
    return fill(tr("%1日"), minutes / MinutesPerDay);
}

}  // namespace korvalin
