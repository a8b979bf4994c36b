#include "services/denpo_dlg_window.h"

namespace korvalin {

TDenpoDlg::TDenpoDlg(Game& game) : GameDialog(game, WindowId::DenpoDlg)
{
    setFixedSize(300, 200);
}

}  // namespace korvalin
