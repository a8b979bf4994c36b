#include "services/sosind_dlg_window.h"

namespace korvalin {

TSosindDlg::TSosindDlg(Game& game) : GameDialog(game, WindowId::SosindDlg)
{
    setFixedSize(260, 110);
}

}  // namespace korvalin
