#include "services/about_box.h"

#include "session/game.h"

namespace korvalin {

void AboutBox::OKButtonClick()
{
    game_.ui.close(WindowId::AboutBox);
}

}  // namespace korvalin
