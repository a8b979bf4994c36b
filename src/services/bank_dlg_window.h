#pragma once

#include "app/game_dialog_qt.h"

namespace korvalin {

class TBankDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TBankDlg(Game& game);
};

}  // namespace korvalin
