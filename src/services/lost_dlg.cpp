#include "services/lost_dlg.h"

#include "session/game.h"

namespace korvalin {

// Even a visa obtained in this capital is void: the visa button returns and
// every destination can be chosen again. The shop's sixth row, the city's
// special good, is hidden too.
void LostDlg::OKBtnClick()
{
    game_.CapitalDlg.resetVisa();
    game_.KaimonoDlg.KaimonoButton6Visible = false;
    game_.ui.close(WindowId::LostDlg);
}

// The hiker has come where the notice sent him, and the capital screen,
// kept on top as the notice is, would cover it. While the passport is lost
// the notice may be open; closing it once more does no harm.
void LostDlg::capitalScreenOpens()
{
    if (game_.state.lostf)
        OKBtnClick();
}

}  // namespace korvalin
