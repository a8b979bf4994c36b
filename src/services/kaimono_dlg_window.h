#pragma once

#include "app/game_dialog_qt.h"

namespace korvalin {

class TKaimonoDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TKaimonoDlg(Game& game);
};

}  // namespace korvalin
