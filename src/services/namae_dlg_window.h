#pragma once

#include "app/game_dialog_qt.h"

namespace korvalin {

class TNamaeDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TNamaeDlg(Game& game);
};

}  // namespace korvalin
