#include "services/kaimono_dlg_window.h"

namespace korvalin {

TKaimonoDlg::TKaimonoDlg(Game& game) : GameDialog(game, WindowId::KaimonoDlg)
{
    setFixedSize(400, 300);
}

}  // namespace korvalin
