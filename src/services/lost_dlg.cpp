#include "services/lost_dlg.h"

#include "game/game.h"

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

}  // namespace korvalin
