// What the travel view names under the pointer.
#include <algorithm>
#include <span>

#include "game/language.h"
#include "maps/place_names.h"
#include "world/city_table.h"
#include "world/region_table.h"

namespace korvalin {

namespace {

// The mountains of France reach over the border at column 34 and are named
// after the range they belong to there.
constexpr int PyreneesLastColumn = 34;
constexpr PlaceName Pyrenees{"ピレネー山脈", 80};

// The name in the language of play, with the panel width the Japanese name
// has; the view widens the panel for a longer name.
std::optional<PlaceName> named(std::string_view name, int width)
{
    if (name.empty())
        return std::nullopt;
    return PlaceName{tr(name), width};
}


std::optional<PlaceName> regionPlace(int entry, int cx)
{
    if (entry == FranceMountainsEntry && cx <= PyreneesLastColumn)
        return named(Pyrenees.name, Pyrenees.width);
    const Region& region = Regions[static_cast<std::size_t>(entry)];
    return named(region.name, region.nameWidth);
}

std::optional<PlaceName> capitalPlace(int cx, int cy)
{
    const auto it = std::ranges::find_if(
        Regions, [&](const Region& r) { return r.capitalX == cx && r.capitalY == cy; });
    if (it == Regions.end())
        return std::nullopt;
    return named(shownCityName(it->capital), it->capitalWidth);
}

std::optional<PlaceName> waterPlace(int cx, int cy)
{
    const auto it = std::ranges::find_if(Waters, [&](const WaterBox& w) {
        return w.x0 <= cx && cx <= w.x1 && w.y0 <= cy && cy <= w.y1;
    });
    const PlaceName& water = it == Waters.end() ? OpenSea : it->place;
    return named(water.name, water.width);
}

std::optional<PlaceName> cityPlace(int cx, int cy)
{
    const auto cities = std::span(CityTable).subspan(CapitalRowCount);
    const auto row =
        std::ranges::find_if(cities, [&](const CityRow& r) { return r.x == cx && r.y == cy; });
    if (row == cities.end())
        return std::nullopt;
    const auto city = std::ranges::find(CityNames, cityName(*row), &PlaceName::name);
    if (city == CityNames.end())
        return std::nullopt;
    return named(city->name, city->width);
}

}  // namespace

std::string_view shownCityName(std::string_view name)
{
    const std::string_view asCity = tr("city", name);
    return asCity != name ? asCity : tr(name);
}

std::optional<PlaceName> placeNameAt(const WorldGrid& world, int cx, int cy)
{
    cx &= GridSize - 1;
    cy &= GridSize - 1;
    const std::uint8_t code = world.cell(cx, cy);
    switch (code) {
        case CapitalTile:
            return capitalPlace(cx, cy);
        case WaterTile:
            return waterPlace(cx, cy);
        case CityTile:
            return cityPlace(cx, cy);
        default:
            break;
    }
    const int entry = regionEntryOfCode(code);
    if (entry < 0)
        return std::nullopt;
    return regionPlace(entry, cx);
}

}  // namespace korvalin
