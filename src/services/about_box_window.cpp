#include "services/about_box_window.h"

namespace korvalin {

TAboutBox::TAboutBox(Game& game) : GameDialog(game, WindowId::AboutBox)
{
    setFixedSize(260, 200);
}

}  // namespace korvalin
