#include "services/nikki_dlg_window.h"

namespace korvalin {

TNikkiDlg::TNikkiDlg(Game& game) : GameDialog(game, WindowId::NikkiDlg)
{
    setFixedSize(400, 480);
}

}  // namespace korvalin
