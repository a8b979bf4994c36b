#include "app/end_dlg_window.h"

namespace korvalin {

TEndDlg::TEndDlg(Game& game) : GameDialog(game, WindowId::EndDlg)
{
    setFixedSize(300, 150);
}

}  // namespace korvalin
