#include "services/sosin_dlg.h"

#include "game/clamped_sum.h"
#include "session/game.h"

namespace korvalin {

void SosinDlg::FormActivate()
{
    SosinButtons[2].Enabled = game_.state.lostf;
}

void SosinDlg::OKBtnClick()
{
    GameState& s = game_.state;
    if (SosinButtons[0].chosen()) {
        s.sosin1 = true;
        addClamped(s.yen, -Cost);
        game_.appendDiaryLine("　　実家に電報を打った。");
    } else if (SosinButtons[1].chosen()) {
        s.sosin2 = true;
        addClamped(s.yen, -Cost);
        game_.appendDiaryLine("　　実家に金の無心の電報を打った。");
    } else if (SosinButtons[2].chosen()) {
        s.sosin3 = true;
        s.dayp = s.day;
        addClamped(s.yen, -Cost);
        game_.appendDiaryLine("　　電報でパスポート代を実家に無心。");
        SosinButtons[2].Enabled = false;
    }
    // Even an empty form uses up the stay's telegram.
    s.sosinf = true;
    game_.ui.close(WindowId::SosinDlg);
}

void SosinDlg::CancelBtnClick()
{
    game_.ui.close(WindowId::SosinDlg);
}

}  // namespace korvalin
