#include "services/chokko_dlg.h"

#include "session/game.h"

namespace korvalin {

void ChokkoDlg::OKBtnClick()
{
    game_.ui.close(WindowId::ChokkoDlg);
}

}  // namespace korvalin
