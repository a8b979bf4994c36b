#pragma once

#include "app/game_dialog_qt.h"

namespace korvalin {

class TEndDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TEndDlg(Game& game);
};

}  // namespace korvalin
