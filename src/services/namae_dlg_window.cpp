#include "services/namae_dlg_window.h"

namespace korvalin {

TNamaeDlg::TNamaeDlg(Game& game) : GameDialog(game, WindowId::NamaeDlg)
{
    setFixedSize(300, 130);
}

}  // namespace korvalin
