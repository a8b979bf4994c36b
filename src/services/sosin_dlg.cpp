#include "services/sosin_dlg.h"

#include "game/clamped_sum.h"
#include "game/game_core.h"
#include "game/language.h"

namespace korvalin {

void SosinDlg::FormActivate()
{
    for (std::size_t i = 0; i < Telegrams.size(); ++i)
        SosinButtons[i].Caption = tr(Telegrams[i].caption);
    SosinButtons[2].Enabled = game_.state.lostf;
}

void SosinDlg::OKBtnClick()
{
    GameState& s = game_.state;
    if (SosinButtons[0].chosen()) {
        s.sosin1 = true;
        addClamped(s.yen, -Cost);
        game_.appendDiaryLine(tr(Telegrams[0].diaryLine));
    } else if (SosinButtons[1].chosen()) {
        s.sosin2 = true;
        addClamped(s.yen, -Cost);
        game_.appendDiaryLine(tr(Telegrams[1].diaryLine));
    } else if (SosinButtons[2].chosen()) {
        s.sosin3 = true;
        s.dayp = s.day;
        addClamped(s.yen, -Cost);
        game_.appendDiaryLine(tr(Telegrams[2].diaryLine));
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
