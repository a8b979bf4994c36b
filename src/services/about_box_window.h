#pragma once

#include "app/game_dialog_qt.h"

namespace korvalin {

class TAboutBox : public GameDialog {
    Q_OBJECT
public:
    explicit TAboutBox(Game& game);
};

}  // namespace korvalin
