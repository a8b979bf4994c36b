#include "app/help_dlg_window.h"

namespace korvalin {

THelpDlg::THelpDlg(Game& game) : GameDialog(game, WindowId::HelpDlg)
{
    setFixedSize(480, 480);
}

}  // namespace korvalin
