#pragma once

#include "widgets/game_dialog_qt.h"

namespace korvalin {

// The passport-lost notice, kept on top.
class TLostDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TLostDlg(Game& game);
};

}  // namespace korvalin
