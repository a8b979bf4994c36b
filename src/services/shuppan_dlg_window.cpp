#include "services/shuppan_dlg_window.h"

namespace korvalin {

TShuppanDlg::TShuppanDlg(Game& game) : GameDialog(game, WindowId::ShuppanDlg)
{
    setFixedSize(316, 115);
}

}  // namespace korvalin
