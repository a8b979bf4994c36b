#include "app/london_dlg_window.h"

namespace korvalin {

TLondonDlg::TLondonDlg(Game& game) : GameDialog(game, WindowId::LondonDlg)
{
    setFixedSize(480, 480);
}

}  // namespace korvalin
