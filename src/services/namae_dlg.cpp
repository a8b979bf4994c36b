#include "services/namae_dlg.h"

#include "app/game.h"
#include "save/cp932.h"

namespace korvalin {

void NamaeDlg::OKBtnClick()
{
    if (!toCp932(Password)) {
        game_.ui.warning(UnwritableNameMessage);
        return;
    }
    game_.state.Namae = Password;
    game_.ui.close(WindowId::NamaeDlg);
}

}  // namespace korvalin
