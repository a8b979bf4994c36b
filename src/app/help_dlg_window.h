#pragma once

#include "app/game_dialog_qt.h"

namespace korvalin {

class THelpDlg : public GameDialog {
    Q_OBJECT
public:
    explicit THelpDlg(Game& game);
};

}  // namespace korvalin
