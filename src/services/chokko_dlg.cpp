#include "services/chokko_dlg.h"

#include "game/game_core.h"

namespace korvalin {

void ChokkoDlg::OKBtnClick()
{
    game_.ui.close(WindowId::ChokkoDlg);
}

}  // namespace korvalin
