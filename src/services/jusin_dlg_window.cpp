#include "services/jusin_dlg_window.h"

namespace korvalin {

TJusinDlg::TJusinDlg(Game& game) : GameDialog(game, WindowId::JusinDlg)
{
    setFixedSize(300, 200);
}

}  // namespace korvalin
