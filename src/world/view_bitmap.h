#pragma once

#include <cstdint>

#include "world/bitmap.h"
#include "world/direction.h"

namespace korvalin {

class TileSheet;
class WorldGrid;

// The off-screen picture of the 31 x 29 cells around the hiker: tile (c, r)
// shows cell (MapX + c, MapY + r). The main window shows a 464 x 432 window
// of it, 16 pixels in from each edge at rest.
class ViewBitmap {
public:
    static constexpr int Columns = 31;
    static constexpr int Rows = 29;
    static constexpr int Width = Columns * 16;  // 496
    static constexpr int Height = Rows * 16;    // 464
    static constexpr int ShownWidth = 464;
    static constexpr int ShownHeight = 432;

    ViewBitmap(const WorldGrid& world, const TileSheet& tiles)
        : world_(world), tiles_(tiles), pixels_(Width, Height)
    {
    }

    void drawTile(int c, int r, std::uint8_t mapX, std::uint8_t mapY);
    void fullRedraw(std::uint8_t mapX, std::uint8_t mapY);

    // Moves the picture one cell for a step in `direction`, changes the view
    // origin accordingly (wrapping at 256) and draws the edge that came into
    // view. Direction::None does nothing.
    void shift(Direction direction, std::uint8_t& mapX, std::uint8_t& mapY);

    const Bitmap& pixels() const { return pixels_; }

    // Counts the changes to the picture, so that a window repaints only
    // when there is something new to show.
    unsigned revision() const { return revision_; }

private:
    const WorldGrid& world_;
    const TileSheet& tiles_;
    Bitmap pixels_;
    unsigned revision_ = 0;
};

}  // namespace korvalin
