#include "world/view_bitmap.h"

#include "world/tile_sheet.h"
#include "world/world_grid.h"

namespace korvalin {

namespace {

constexpr int Tile = TileSheet::TileSize;

}  // namespace

void ViewBitmap::drawTile(int c, int r, std::uint8_t mapX, std::uint8_t mapY)
{
    if (!tiles_.isLoaded())
        return;
    tiles_.drawTile(pixels_, world_.cell(mapX + c, mapY + r), Tile * c, Tile * r);
    ++revision_;
}

void ViewBitmap::fullRedraw(std::uint8_t mapX, std::uint8_t mapY)
{
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c)
            drawTile(c, r, mapX, mapY);
}

void ViewBitmap::shift(Direction direction, std::uint8_t& mapX, std::uint8_t& mapY)
{
    ++revision_;
    // Without a tile sheet there is no picture to move, as when the journey
    // runs without a window; the origin moves all the same.
    const auto moveBlock = [this](int sx, int sy, int w, int h, int dx, int dy) {
        if (tiles_.isLoaded())
            pixels_.copyRect(pixels_, sx, sy, w, h, dx, dy);
    };
    switch (direction) {
        case Direction::North:
            moveBlock(0, 0, Width, Height - Tile, 0, Tile);
            --mapY;
            for (int c = 0; c < Columns; ++c)
                drawTile(c, 0, mapX, mapY);
            break;
        case Direction::South:
            moveBlock(0, Tile, Width, Height - Tile, 0, 0);
            ++mapY;
            for (int c = 0; c < Columns; ++c)
                drawTile(c, Rows - 1, mapX, mapY);
            break;
        case Direction::West:
            moveBlock(0, 0, Width - Tile, Height, Tile, 0);
            --mapX;
            for (int r = 0; r < Rows; ++r)
                drawTile(0, r, mapX, mapY);
            break;
        case Direction::East:
            moveBlock(Tile, 0, Width - Tile, Height, 0, 0);
            ++mapX;
            for (int r = 0; r < Rows; ++r)
                drawTile(Columns - 1, r, mapX, mapY);
            break;
        case Direction::None:
            break;
    }
}

}  // namespace korvalin
