#pragma once

#include "app/game_dialog_qt.h"

namespace korvalin {

class TLostDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TLostDlg(Game& game);
};

}  // namespace korvalin
