#include "services/nikki_dlg.h"

#include <algorithm>

#include "session/game.h"

namespace korvalin {

void NikkiDlg::FormShow(int screenWidth)
{
    Caption = game_.state.Namae + std::string(CaptionSuffix);
    Geometry = {.Left = MainWindowWidth,
                .Top = 0,
                .Width = std::max(screenWidth - MainWindowWidth, 0),
                .Height = Height};
}

void NikkiDlg::Button1Click()
{
    game_.ui.close(WindowId::NikkiDlg);
}

}  // namespace korvalin
