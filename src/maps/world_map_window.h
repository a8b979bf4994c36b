#pragma once

#include "maps/world_map.h"
#include "widgets/game_dialog_qt.h"

namespace korvalin {

// The overview map: a small tool window on top that shows the model's
// picture and goes away at the first key or when it loses the focus.
class TWorldMap : public GameDialog {
    Q_OBJECT
public:
    TWorldMap(GameCore& game, WorldMap& model);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    WorldMap& model_;
};

}  // namespace korvalin
