#include "services/chokko_dlg_window.h"

#include "game/game_core.h"
#include "services/notice_layout_qt.h"

namespace korvalin {

TChokkoDlg::TChokkoDlg(GameCore& game, ChokkoDlg& model)
    : FixedTextsDialog(game, WindowId::ChokkoDlg), model_(model)
{
    layOutNotice(this, {ChokkoDlg::Text}, ChokkoDlg::OkCaption, [this] { model_.OKBtnClick(); });
    retranslate();
}

}  // namespace korvalin
