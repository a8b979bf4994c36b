#include "services/lost_dlg.h"

#include "game/game_core.h"

namespace korvalin {

// Even a visa obtained in this capital is void: the visa is to be got
// again and every destination can be chosen.
void LostDlg::OKBtnClick()
{
    game_.state.voidVisa();
    game_.ui.close(WindowId::LostDlg);
}

}  // namespace korvalin
