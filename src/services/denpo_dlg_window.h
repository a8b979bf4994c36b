#pragma once

#include "app/game_dialog_qt.h"

namespace korvalin {

class TDenpoDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TDenpoDlg(Game& game);
};

}  // namespace korvalin
