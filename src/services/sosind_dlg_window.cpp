#include "services/sosind_dlg_window.h"

#include "services/notice_layout_qt.h"
#include "session/game.h"

namespace korvalin {

// The notice is shown while the telegram office stays open and on top; kept
// on top itself, it is not hidden behind the office.
TSosindDlg::TSosindDlg(Game& game) : FixedTextsDialog(game, WindowId::SosindDlg)
{
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    layOutNotice(this, {DenpoDlg::OnceOnlyNotice}, DenpoDlg::OkCaption, [this] { close(); });
    retranslate();
}

}  // namespace korvalin
