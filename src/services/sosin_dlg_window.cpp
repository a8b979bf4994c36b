#include "services/sosin_dlg_window.h"

namespace korvalin {

TSosinDlg::TSosinDlg(Game& game) : GameDialog(game, WindowId::SosinDlg)
{
    setFixedSize(300, 200);
}

}  // namespace korvalin
