#pragma once

#include "widgets/game_dialog_qt.h"

namespace korvalin {

// The telegram office's notice that one telegram per stay is all.
class TSosindDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TSosindDlg(Game& game);
};

}  // namespace korvalin
