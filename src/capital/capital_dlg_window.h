#pragma once

#include "app/game_dialog_qt.h"

namespace korvalin {

class TCapitalDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TCapitalDlg(Game& game);
};

}  // namespace korvalin
