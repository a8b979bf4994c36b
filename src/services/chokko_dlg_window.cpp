#include "services/chokko_dlg_window.h"

#include "services/notice_layout_qt.h"
#include "session/game.h"

namespace korvalin {

TChokkoDlg::TChokkoDlg(Game& game) : FixedTextsDialog(game, WindowId::ChokkoDlg)
{
    layOutNotice(this, {ChokkoDlg::Text}, ChokkoDlg::OkCaption,
                 [this] { game_.ChokkoDlg.OKBtnClick(); });
    retranslate();
}

}  // namespace korvalin
