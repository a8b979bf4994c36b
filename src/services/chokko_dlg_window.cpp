#include "services/chokko_dlg_window.h"

namespace korvalin {

TChokkoDlg::TChokkoDlg(Game& game) : GameDialog(game, WindowId::ChokkoDlg)
{
    setFixedSize(260, 110);
}

}  // namespace korvalin
