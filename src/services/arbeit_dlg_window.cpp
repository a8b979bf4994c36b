#include "services/arbeit_dlg_window.h"

namespace korvalin {

TArbeitDlg::TArbeitDlg(Game& game) : GameDialog(game, WindowId::ArbeitDlg)
{
    setFixedSize(300, 170);
}

}  // namespace korvalin
