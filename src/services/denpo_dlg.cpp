#include "services/denpo_dlg.h"

#include "game/game_core.h"
#include "game/language.h"

namespace korvalin {

void DenpoDlg::FormActivate()
{
    DenpoButtons[0].Caption = tr(ReceiveCaption);
    DenpoButtons[1].Caption = tr(SendCaption);
}

void DenpoDlg::OKBtnClick()
{
    if (DenpoButtons[0].chosen()) {
        game_.ui.show(WindowId::JusinDlg);
        game_.ui.close(WindowId::DenpoDlg);
    } else if (DenpoButtons[1].chosen()) {
        if (game_.state.sosinf) {
            game_.ui.show(WindowId::SosindDlg);
            return;
        }
        game_.ui.show(WindowId::SosinDlg);
        game_.ui.close(WindowId::DenpoDlg);
    }
}

void DenpoDlg::CancelBtnClick()
{
    game_.ui.close(WindowId::DenpoDlg);
}

}  // namespace korvalin
