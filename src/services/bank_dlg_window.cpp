#include "services/bank_dlg_window.h"

namespace korvalin {

TBankDlg::TBankDlg(Game& game) : GameDialog(game, WindowId::BankDlg)
{
    setFixedSize(300, 200);
}

}  // namespace korvalin
