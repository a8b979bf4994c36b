#pragma once

#include "app/game_dialog_qt.h"

namespace korvalin {

class TFlagDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TFlagDlg(Game& game);
};

}  // namespace korvalin
