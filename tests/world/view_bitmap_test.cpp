#include <gtest/gtest.h>

#include "world/tile_sheet.h"
#include "world/view_bitmap.h"
#include "world/world_grid.h"

namespace korvalin {
namespace {

// A sheet whose every pixel tells its tile code and its place in the tile,
// and a grid whose codes vary with both coordinates.
TileSheet codedSheet()
{
    Bitmap pixels(256, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            pixels.setPixel(x, y,
                            static_cast<std::uint32_t>((y / 16 * 16 + x / 16) << 16 |
                                                       (y % 16) << 8 | (x % 16)));
    return TileSheet(std::move(pixels));
}

WorldGrid codedGrid()
{
    std::array<std::uint8_t, GridSize * GridSize> cells{};
    for (int x = 0; x < 256; ++x)
        for (int y = 0; y < 256; ++y)
            cells[static_cast<std::size_t>(x * 256 + y)] =
                static_cast<std::uint8_t>(x * 7 + y * 13);
    return WorldGrid::fromCells(cells);
}

std::uint8_t codeAt(const Bitmap& bitmap, int px, int py)
{
    return bitmap.pixel(px, py) >> 16 & 0xFF;
}

class ViewBitmapTest : public ::testing::Test {
protected:
    WorldGrid grid = codedGrid();
    TileSheet sheet = codedSheet();
    ViewBitmap view{grid, sheet};
    std::uint8_t mapX = 225;
    std::uint8_t mapY = 105;
};

TEST_F(ViewBitmapTest, TilesAreCutFromTheSheetByCode)
{
    Bitmap target(16, 16);
    sheet.drawTile(target, 34, 0, 0);
    EXPECT_EQ(target.pixel(0, 0), sheet.pixels().pixel(32, 32));
    sheet.drawTile(target, 111, 0, 0);
    EXPECT_EQ(target.pixel(0, 0), sheet.pixels().pixel(240, 96));
    EXPECT_EQ(target.pixel(15, 15), sheet.pixels().pixel(255, 111));
}

TEST_F(ViewBitmapTest, EachTileShowsItsCellFromTheViewOrigin)
{
    view.fullRedraw(mapX, mapY);
    for (int r = 0; r < ViewBitmap::Rows; ++r)
        for (int c = 0; c < ViewBitmap::Columns; ++c)
            ASSERT_EQ(codeAt(view.pixels(), 16 * c + 5, 16 * r + 9), grid.cell(mapX + c, mapY + r));
}

// The new edge is drawn from the origin after the move: from MapX 255 the
// view's last column then shows column 0 + 30, the column that was just
// beyond the old edge.
TEST_F(ViewBitmapTest, MovingEastFromTheLastColumnWrapsToTheFirst)
{
    mapX = 255;
    view.fullRedraw(mapX, mapY);
    const std::uint8_t oldLastColumn = codeAt(view.pixels(), 480, 16 * 3);
    view.shift(Direction::East, mapX, mapY);
    EXPECT_EQ(mapX, 0);
    EXPECT_EQ(codeAt(view.pixels(), 464, 16 * 3), oldLastColumn);
    for (int r = 0; r < ViewBitmap::Rows; ++r)
        ASSERT_EQ(codeAt(view.pixels(), 480, 16 * r), grid.cell(30, mapY + r));
}

TEST_F(ViewBitmapTest, NorthThenSouthLeavesThePictureAsItWas)
{
    view.fullRedraw(mapX, mapY);
    const Bitmap before = view.pixels();
    view.shift(Direction::North, mapX, mapY);
    view.shift(Direction::South, mapX, mapY);
    EXPECT_EQ(mapY, 105);
    EXPECT_EQ(view.pixels(), before);
}

TEST_F(ViewBitmapTest, ShiftingAroundEqualsAFullRedrawAtTheNewPlace)
{
    view.fullRedraw(mapX, mapY);
    for (int i = 0; i < 4; ++i)
        view.shift(Direction::West, mapX, mapY);
    view.shift(Direction::North, mapX, mapY);
    for (int i = 0; i < 3; ++i)
        view.shift(Direction::East, mapX, mapY);
    ViewBitmap fresh(grid, sheet);
    fresh.fullRedraw(mapX, mapY);
    EXPECT_EQ(mapX, 224);
    EXPECT_EQ(mapY, 104);
    EXPECT_EQ(view.pixels(), fresh.pixels());
}

TEST_F(ViewBitmapTest, ShiftingChangesTheRevisionSoTheWindowRepaints)
{
    const unsigned before = view.revision();
    view.shift(Direction::South, mapX, mapY);
    EXPECT_NE(view.revision(), before);
}

TEST(BitmapTest, OverlappingCopiesReadTheSourceAsItWas)
{
    Bitmap bitmap(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            bitmap.setPixel(x, y, static_cast<std::uint32_t>(y * 4 + x));
    const Bitmap original = bitmap;
    bitmap.copyRect(bitmap, 0, 0, 3, 3, 1, 1);  // down and right by one
    for (int y = 1; y < 4; ++y)
        for (int x = 1; x < 4; ++x)
            EXPECT_EQ(bitmap.pixel(x, y), original.pixel(x - 1, y - 1));
    bitmap = original;
    bitmap.copyRect(bitmap, 1, 1, 3, 3, 0, 0);  // up and left by one
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(bitmap.pixel(x, y), original.pixel(x + 1, y + 1));
}

}  // namespace
}  // namespace korvalin
