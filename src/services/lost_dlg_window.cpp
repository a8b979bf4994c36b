#include "services/lost_dlg_window.h"

namespace korvalin {

TLostDlg::TLostDlg(Game& game) : GameDialog(game, WindowId::LostDlg)
{
    setFixedSize(320, 130);
}

}  // namespace korvalin
