#pragma once

#include "app/game_dialog_qt.h"

namespace korvalin {

class TLondonDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TLondonDlg(Game& game);
};

}  // namespace korvalin
