#pragma once

#include "app/game_dialog_qt.h"

namespace korvalin {

class TNikkiDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TNikkiDlg(Game& game);
};

}  // namespace korvalin
