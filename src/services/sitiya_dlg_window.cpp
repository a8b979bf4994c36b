#include "services/sitiya_dlg_window.h"

namespace korvalin {

TSitiyaDlg::TSitiyaDlg(Game& game) : GameDialog(game, WindowId::SitiyaDlg)
{
    setFixedSize(400, 300);
}

}  // namespace korvalin
