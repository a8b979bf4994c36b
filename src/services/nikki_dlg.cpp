#include "services/nikki_dlg.h"

#include <algorithm>

#include "game/game_core.h"
#include "game/language.h"

namespace korvalin {

void NikkiDlg::FormShow(int screenWidth)
{
    Caption = fill(tr(CaptionTemplate), game_.state.Namae);
    Geometry = {.Left = MainWindowWidth,
                .Top = 0,
                .Width = std::max(screenWidth - MainWindowWidth, 0),
                .Height = Height};
}

void NikkiDlg::closeDiary()
{
    game_.ui.close(WindowId::NikkiDlg);
}

}  // namespace korvalin
