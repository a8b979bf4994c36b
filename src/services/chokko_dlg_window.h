#pragma once

#include "app/game_dialog_qt.h"

namespace korvalin {

class TChokkoDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TChokkoDlg(Game& game);
};

}  // namespace korvalin
