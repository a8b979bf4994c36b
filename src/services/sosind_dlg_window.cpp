#include "services/sosind_dlg_window.h"

#include "app/game.h"
#include "services/notice_layout_qt.h"

namespace korvalin {

// The only notice of the telegram office that does not stay on top.
TSosindDlg::TSosindDlg(Game& game) : GameDialog(game, WindowId::SosindDlg)
{
    layOutNotice(this, {DenpoDlg::OnceOnlyNotice}, DenpoDlg::OkCaption, [this] { close(); });
}

}  // namespace korvalin
