#include "services/lost_dlg_window.h"

#include "services/notice_layout_qt.h"
#include "session/game.h"

namespace korvalin {

TLostDlg::TLostDlg(Game& game) : FixedTextsDialog(game, WindowId::LostDlg)
{
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    layOutNotice(this, {LostDlg::Lines[0], LostDlg::Lines[1]}, LostDlg::OkCaption,
                 [this] { game_.LostDlg.OKBtnClick(); });
    retranslate();
}

}  // namespace korvalin
