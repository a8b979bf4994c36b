#pragma once

#include "app/game_dialog_qt.h"

namespace korvalin {

class TArbeitDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TArbeitDlg(Game& game);
};

}  // namespace korvalin
