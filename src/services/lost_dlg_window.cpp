#include "services/lost_dlg_window.h"

#include "game/game_core.h"
#include "services/notice_layout_qt.h"

namespace korvalin {

TLostDlg::TLostDlg(GameCore& game, LostDlg& model)
    : FixedTextsDialog(game, WindowId::LostDlg), model_(model)
{
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    layOutNotice(this, {LostDlg::Lines[0], LostDlg::Lines[1]}, LostDlg::OkCaption,
                 [this] { model_.OKBtnClick(); });
    retranslate();
}

}  // namespace korvalin
