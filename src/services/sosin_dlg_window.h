#pragma once

#include "app/game_dialog_qt.h"

namespace korvalin {

class TSosinDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TSosinDlg(Game& game);
};

}  // namespace korvalin
