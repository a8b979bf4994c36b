#pragma once

#include "widgets/game_dialog_qt.h"

namespace korvalin {

// The version window: the program icon, name, date and OK.
class TAboutBox : public GameDialog {
    Q_OBJECT
public:
    explicit TAboutBox(Game& game);
};

}  // namespace korvalin
