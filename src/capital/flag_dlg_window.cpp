#include "capital/flag_dlg_window.h"

namespace korvalin {

TFlagDlg::TFlagDlg(Game& game) : GameDialog(game, WindowId::FlagDlg)
{
    setFixedSize(200, 100);
}

QPixmap TFlagDlg::flag(std::string_view) const
{
    return {};
}

}  // namespace korvalin
