#include "maps/world_map_picture.h"

#include <algorithm>
#include <array>
#include <cstdlib>

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
    for (const std::uint8_t code : {s.leg.PNB, s.leg.PNA, s.leg.PN})
        colour[code] = colors::Teal;
    for (const std::uint8_t code : {s.leg.PPB, s.leg.PPA, s.leg.PP})
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

// A straight line from pixel to pixel, `pen` pixels wide. A dotted line
// leaves gaps as long as its dots, in a pattern fixed to the picture, so
// that dotted pieces join up.
void line(Bitmap& picture, int x0, int y0, int x1, int y1, int pen, std::uint32_t colour,
          bool dotted)
{
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    for (int error = dx + dy;;) {
        if (!dotted || (x0 + y0) % (2 * pen) < pen) {
            for (int py = 0; py < pen; ++py)
                for (int px = 0; px < pen; ++px)
                    plot(picture, x0 + px, y0 + py, colour);
        }
        if (x0 == x1 && y0 == y1)
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

int penFor(int scale)
{
    return scale > 1 ? 2 : 1;
}

// The middle pixel of a cell's scale x scale square.
int centre(int c, int scale)
{
    return c * scale + (scale - 1) / 2;
}

// The hiker's cells joined centre to centre in his purple; the way at sea
// is dotted. A step across the map's edge is not drawn across the world.
void drawTrail(Bitmap& picture, const WorldGrid& world, std::span<const TrailCell> trail, int scale)
{
    for (std::size_t i = 0; i < trail.size(); ++i) {
        const TrailCell& to = trail[i];
        TrailCell from = trail[i == 0 ? 0 : i - 1];
        if (std::abs(to.x - from.x) > 1 || std::abs(to.y - from.y) > 1)
            from = to;
        const bool sea =
            world.cell(from.x, from.y) == WaterTile || world.cell(to.x, to.y) == WaterTile;
        line(picture, centre(from.x, scale), centre(from.y, scale), centre(to.x, scale),
             centre(to.y, scale), penFor(scale), colors::Purple, sea);
    }
}

// The duo's days joined in navy, from Hong Kong to London.
void drawDuoRoute(Bitmap& picture, int scale)
{
    Cell from = *duoCell(1);
    for (int day = 2; day <= RecordDays; ++day) {
        const Cell to = *duoCell(day);
        line(picture, centre(from.x, scale), centre(from.y, scale), centre(to.x, scale),
             centre(to.y, scale), penFor(scale), colors::Navy, false);
        from = to;
    }
}

Bitmap countries(const WorldGrid& world, const GameState& s)
{
    const auto colour = cellColours(s);
    Bitmap picture(GridSize, GridSize);
    const auto& cells = world.cells();
    for (int y = 0; y < GridSize; ++y) {
        std::uint32_t* row = picture.row(y);
        for (int x = 0; x < GridSize; ++x)
            row[x] = Opaque | colour[cells[static_cast<std::size_t>(x * GridSize + y)]];
    }
    return picture;
}

// Every pixel as a square of scale x scale.
Bitmap enlarged(const Bitmap& small, int scale)
{
    Bitmap large(small.width() * scale, small.height() * scale);
    for (int y = 0; y < large.height(); ++y) {
        const std::uint32_t* from = small.row(y / scale);
        std::uint32_t* to = large.row(y);
        for (int x = 0; x < small.width(); ++x)
            std::fill_n(to + x * scale, scale, from[x]);
    }
    return large;
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

Bitmap worldMapPicture(const WorldGrid& world, const GameState& s, std::span<const TrailCell> trail)
{
    Bitmap picture = countries(world, s);
    // The view holds 31 x 29 cells; the trail runs over its outline, and the
    // hiker, on (MapX + 15, MapY + 14), stands on his trail.
    outline(picture, s.MapX, s.MapY, s.MapX + 30, s.MapY + 28, colors::White);
    drawTrail(picture, world, trail, 1);
    mark(picture, s.MapX + 13, s.MapY + 12, colors::Red);
    if (s.Nikki) {
        if (const auto duo = duoCell(s.dayNumber()))
            mark(picture, duo->x - 2, duo->y - 2, colors::Navy);
    }
    return picture;
}

Bitmap journeyMapPicture(const WorldGrid& world, const GameState& s,
                         std::span<const TrailCell> trail)
{
    Bitmap picture = enlarged(countries(world, s), JourneyMapScale);
    drawDuoRoute(picture, JourneyMapScale);
    drawTrail(picture, world, trail, JourneyMapScale);
    return picture;
}

}  // namespace korvalin
