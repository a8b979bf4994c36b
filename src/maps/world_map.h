#pragma once

#include "world/bitmap.h"

namespace korvalin {

class GameCore;

// The whole map at one pixel per cell. It keeps nothing between shows: every
// show paints it afresh from the game as it stands.
class WorldMap {
public:
    explicit WorldMap(GameCore& game) : game_(game) {}

    // Any key, or the focus going to another window, puts the map away.
    void FormKeyDown();
    void FormDeactivate();
    void drawMap();

    // What PaintBox1 shows: 256 x 256 pixels, one per cell.
    Bitmap Picture;

private:
    GameCore& game_;
};

}  // namespace korvalin
