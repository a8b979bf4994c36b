#pragma once

#include "app/game_dialog_qt.h"

namespace korvalin {

class TSosindDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TSosindDlg(Game& game);
};

}  // namespace korvalin
