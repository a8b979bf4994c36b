#pragma once

#include "widgets/game_dialog_qt.h"

namespace korvalin {

// Out of money: three lines and はい / いいえ. Shown without waiting, again
// on every tick until the player answers.
class TEndDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TEndDlg(Game& game);
};

}  // namespace korvalin
