#include "journey/travel.h"

#include "game/game_core.h"
#include "game/language.h"

namespace korvalin {

void Travel::FormCreate()
{
    game_.world.build();
    game_.view.fullRedraw(game_.state.MapX, game_.state.MapY);
}

void Travel::showOnFoot()
{
    Label3.show(TravelMode::Walking, Direction::None);
    Shape1Color = settingsOf(TravelMode::Walking).markerColor;
}

void Travel::retranslate()
{
    Label3.retranslate();
    Label6.Caption = tr(HelpMark);
}

void Travel::ModeLabel::show(TravelMode shown, Direction going)
{
    mode = shown;
    direction = going;
    retranslate();
}

void Travel::ModeLabel::clear()
{
    mode.reset();
    Caption.clear();
}

void Travel::ModeLabel::retranslate()
{
    if (mode)
        Caption = tr(modeCaption(*mode, direction));
}

}  // namespace korvalin
