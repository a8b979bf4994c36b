#include "maps/world_map_picture.h"

#include <array>

#include "game/colors.h"
#include "game/game_state.h"
#include "maps/duo_route.h"
#include "world/region_table.h"

namespace korvalin {

namespace {

constexpr std::uint32_t Opaque = 0xFF000000;
constexpr std::uint32_t Grey = 0x808080;
constexpr std::uint32_t Black = 0x000000;

// The colour of every code, so that the grid is painted in one pass.
std::array<std::uint32_t, 256> cellColours(const GameState& s)
{
    std::array<std::uint32_t, 256> colour;
    colour.fill(Grey);
    // Later assignments win: the present country over the destination where
    // both are the same, as at the start.
    colour[RegionCodes(GoalEntry)] = s.dayNumber() < RecordDays ? colors::Aqua : colors::Red;
    colour[WaterTile] = Black;
    for (const std::uint8_t code : {s.PNB, s.PNA, s.PN})
        colour[code] = colors::Teal;
    for (const std::uint8_t code : {s.PPB, s.PPA, s.PP})
        colour[code] = colors::Yellow;
    return colour;
}

// Marks and lines past the edge of the map are cut off.
void plot(Bitmap& picture, int x, int y, std::uint32_t colour)
{
    if (x >= 0 && y >= 0 && x < picture.width() && y < picture.height())
        picture.setPixel(x, y, Opaque | colour);
}

// The circle inscribed in the 4 x 4 pixels from (left, top).
void mark(Bitmap& picture, int left, int top, std::uint32_t colour)
{
    constexpr std::array<std::array<bool, 4>, 4> Disc{{
        {false, true, true, false},
        {true, true, true, true},
        {true, true, true, true},
        {false, true, true, false},
    }};
    for (int dy = 0; dy < 4; ++dy)
        for (int dx = 0; dx < 4; ++dx)
            if (Disc[dy][dx])
                plot(picture, left + dx, top + dy, colour);
}

void outline(Bitmap& picture, int x0, int y0, int x1, int y1, std::uint32_t colour)
{
    for (int x = x0; x <= x1; ++x) {
        plot(picture, x, y0, colour);
        plot(picture, x, y1, colour);
    }
    for (int y = y0; y <= y1; ++y) {
        plot(picture, x0, y, colour);
        plot(picture, x1, y, colour);
    }
}

}  // namespace

Bitmap worldMapPicture(const WorldGrid& world, const GameState& s)
{
    const auto colour = cellColours(s);
    Bitmap picture(GridSize, GridSize);
    const auto& cells = world.cells();
    for (int y = 0; y < GridSize; ++y) {
        std::uint32_t* row = picture.row(y);
        for (int x = 0; x < GridSize; ++x)
            row[x] = Opaque | colour[cells[static_cast<std::size_t>(x * GridSize + y)]];
    }

    // The hiker stands on (MapX + 15, MapY + 14); the view holds 31 x 29 cells.
    mark(picture, s.MapX + 13, s.MapY + 12, colors::Red);
    outline(picture, s.MapX, s.MapY, s.MapX + 30, s.MapY + 28, colors::White);
    if (s.Nikki) {
        if (const auto duo = duoCell(s.dayNumber()))
            mark(picture, duo->x - 2, duo->y - 2, colors::Navy);
    }
    return picture;
}

}  // namespace korvalin
