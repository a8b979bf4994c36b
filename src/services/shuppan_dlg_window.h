#pragma once

#include "app/game_dialog_qt.h"

namespace korvalin {

class TShuppanDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TShuppanDlg(Game& game);
};

}  // namespace korvalin
