#include "tile_art.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

#include "world/country_adjacency.h"
#include "world/tile_codes.h"

namespace korvalin {

namespace {

constexpr int TileSize = SheetImage::TileSize;
constexpr int Last = TileSize - 1;

constexpr Rgb White{.r = 255, .g = 255, .b = 255};
constexpr Rgb Black{.r = 0, .g = 0, .b = 0};
constexpr Rgb DeepWater{.r = 30, .g = 64, .b = 144};
constexpr Rgb UnusedGrey{.r = 64, .g = 64, .b = 64};
constexpr Rgb CapitalRed{.r = 204, .g = 28, .b = 28};
constexpr Rgb CapitalYellow{.r = 252, .g = 224, .b = 0};
constexpr Rgb CitySkyBlue{.r = 128, .g = 204, .b = 250};
constexpr Rgb CityRed{.r = 220, .g = 24, .b = 24};

struct Point {
    int x;
    int y;
};

// Two small wave crests, kept off the tile's edges so that the sea reads as
// one surface rather than as a grid.
constexpr auto WaveCrests = std::to_array<Point>({
    {.x = 2, .y = 5},
    {.x = 3, .y = 4},
    {.x = 4, .y = 4},
    {.x = 5, .y = 4},
    {.x = 6, .y = 5},
    {.x = 9, .y = 12},
    {.x = 10, .y = 11},
    {.x = 11, .y = 11},
    {.x = 12, .y = 11},
    {.x = 13, .y = 12},
});
static_assert(WaveCrests.size() == 10);

Rgb towards(Rgb from, Rgb to, int percent)
{
    const auto mix = [percent](int a, int b) {
        return static_cast<std::uint8_t>(a + (b - a) * percent / 100);
    };
    return {.r = mix(from.r, to.r), .g = mix(from.g, to.g), .b = mix(from.b, to.b)};
}

Rgb lighter(Rgb colour, int percent)
{
    return towards(colour, White, percent);
}
Rgb darker(Rgb colour, int percent)
{
    return towards(colour, Black, percent);
}

// A fixed hash of the pixel, so that every run draws the same sea.
int ripple(int x, int y)
{
    std::uint32_t h =
        static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<int>((h ^ (h >> 16)) % 7) - 3;
}

bool onCellEdge(int x, int y)
{
    return x == Last || y == Last;
}

void fillTile(SheetImage& sheet, std::uint8_t code, Rgb colour)
{
    for (int y = 0; y < TileSize; ++y) {
        for (int x = 0; x < TileSize; ++x)
            sheet.setTilePixel(code, x, y, colour);
    }
}

void paintWater(SheetImage& sheet)
{
    for (int y = 0; y < TileSize; ++y) {
        for (int x = 0; x < TileSize; ++x) {
            const int shift = 2 * ripple(x, y);
            const auto channel = [shift](int value) {
                return static_cast<std::uint8_t>(std::clamp(value + shift, 0, 255));
            };
            sheet.setTilePixel(
                WaterTile, x, y,
                {.r = channel(DeepWater.r), .g = channel(DeepWater.g), .b = channel(DeepWater.b)});
        }
    }
    for (const Point crest : WaveCrests)
        sheet.setTilePixel(WaterTile, crest.x, crest.y, lighter(DeepWater, 12));
}

// Land with the faint darker line on its right and bottom edge that lets the
// 45 km grid show through.
void paintGround(SheetImage& sheet, std::uint8_t code, Rgb colour)
{
    for (int y = 0; y < TileSize; ++y) {
        for (int x = 0; x < TileSize; ++x)
            sheet.setTilePixel(code, x, y, onCellEdge(x, y) ? darker(colour, 12) : colour);
    }
}

// The 6 x 6 square of a capital or city, with a dark rim so that it stays
// crisp on its ground.
void paintMark(SheetImage& sheet, std::uint8_t code, Rgb ground, Rgb mark)
{
    paintGround(sheet, code, ground);
    for (int y = 4; y <= 11; ++y) {
        for (int x = 4; x <= 11; ++x) {
            const bool rim = x == 4 || x == 11 || y == 4 || y == 11;
            sheet.setTilePixel(code, x, y, rim ? darker(ground, 45) : mark);
        }
    }
}

// Two pixels lit along the top and left edge, two in shadow along the bottom
// and right: the block stands out of the map.
std::optional<Rgb> bevel(Rgb hue, int x, int y)
{
    const int fromLit = std::min(x, y);
    const int fromShade = std::min(Last - x, Last - y);
    const int depth = std::min(fromLit, fromShade);
    if (depth >= 2)
        return std::nullopt;
    if (fromLit <= fromShade)
        return lighter(hue, depth == 0 ? 55 : 30);
    return darker(hue, depth == 0 ? 45 : 20);
}

// A snow-capped peak, its western face lit and its eastern face in shadow.
std::optional<Rgb> peak(Rgb hue, int x, int y)
{
    constexpr int apexX = 8;
    constexpr int apexY = 3;
    constexpr int footY = 12;
    constexpr int footHalfWidth = 5;
    constexpr int snowRows = 3;
    if (y < apexY || y > footY)
        return std::nullopt;
    const int halfWidth = (y - apexY) * footHalfWidth / (footY - apexY);
    const int offset = x - apexX;
    if (std::abs(offset) > halfWidth)
        return std::nullopt;
    if (offset == -halfWidth)
        return lighter(hue, 40);
    if (offset == halfWidth)
        return darker(hue, 40);
    if (y < apexY + snowRows)
        return lighter(hue, 70);
    return offset < 0 ? lighter(hue, 18) : darker(hue, 18);
}

void paintRelief(SheetImage& sheet, std::uint8_t code, Rgb hue)
{
    for (int y = 0; y < TileSize; ++y) {
        for (int x = 0; x < TileSize; ++x)
            sheet.setTilePixel(code, x, y,
                               bevel(hue, x, y).value_or(peak(hue, x, y).value_or(hue)));
    }
}

}  // namespace

SheetImage paintTileSheet(const std::map<std::uint8_t, Rgb>& countryColours)
{
    SheetImage sheet;
    for (int t = 0; t < SheetImage::TilesPerRow * SheetImage::TilesPerRow; ++t) {
        const auto code = static_cast<std::uint8_t>(t);
        const auto country = countryOfCode(code);
        if (code == WaterTile)
            paintWater(sheet);
        else if (code == CapitalTile)
            paintMark(sheet, code, CapitalRed, CapitalYellow);
        else if (code == CityTile)
            paintMark(sheet, code, CitySkyBlue, CityRed);
        else if (!country)
            fillTile(sheet, code, UnusedGrey);
        else if (*country == code)
            paintGround(sheet, code, countryColours.at(code));
        else
            paintRelief(sheet, code, countryColours.at(*country));
    }
    return sheet;
}

}  // namespace korvalin
