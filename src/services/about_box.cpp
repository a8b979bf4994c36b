#include "services/about_box.h"

#include "game/game_core.h"

namespace korvalin {

void AboutBox::OKButtonClick()
{
    game_.ui.close(WindowId::AboutBox);
}

}  // namespace korvalin
