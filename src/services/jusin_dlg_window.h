#pragma once

#include "app/game_dialog_qt.h"

namespace korvalin {

class TJusinDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TJusinDlg(Game& game);
};

}  // namespace korvalin
