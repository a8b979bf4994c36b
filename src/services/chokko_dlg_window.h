#pragma once

#include "widgets/game_dialog_qt.h"

namespace korvalin {

// The notice to go straight to the capital.
class TChokkoDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TChokkoDlg(Game& game);
};

}  // namespace korvalin
