#pragma once

#include "app/game_dialog_qt.h"

namespace korvalin {

// The notice to go straight to the capital.
class TChokkoDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TChokkoDlg(Game& game);
};

}  // namespace korvalin
