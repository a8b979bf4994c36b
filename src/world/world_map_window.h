#pragma once

#include "app/game_dialog_qt.h"

namespace korvalin {

class TWorldMap : public GameDialog {
    Q_OBJECT
public:
    explicit TWorldMap(Game& game);
};

}  // namespace korvalin
