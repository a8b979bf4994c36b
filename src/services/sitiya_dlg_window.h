#pragma once

#include "app/game_dialog_qt.h"

namespace korvalin {

class TSitiyaDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TSitiyaDlg(Game& game);
};

}  // namespace korvalin
