#include "services/sosind_dlg_window.h"

#include "game/game_core.h"
#include "services/denpo_dlg.h"
#include "services/notice_layout_qt.h"

namespace korvalin {

// The notice is shown while the telegram office stays open and on top; kept
// on top itself, it is not hidden behind the office.
TSosindDlg::TSosindDlg(GameCore& game) : FixedTextsDialog(game, WindowId::SosindDlg)
{
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    layOutNotice(this, {DenpoDlg::OnceOnlyNotice}, DenpoDlg::OkCaption, [this] { close(); });
    retranslate();
}

}  // namespace korvalin
