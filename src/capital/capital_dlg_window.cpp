#include "capital/capital_dlg_window.h"

namespace korvalin {

TCapitalDlg::TCapitalDlg(Game& game) : GameDialog(game, WindowId::CapitalDlg)
{
    setFixedSize(427, 115);
}

}  // namespace korvalin
