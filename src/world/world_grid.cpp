#include "world/world_grid.h"

#include <algorithm>
#include <ranges>

namespace korvalin {

namespace {

// One rule of the map data: the cells of column x from row y0 to row y1 take
// the code, unless an earlier rule has claimed them.
struct GridRule {
    std::uint8_t x, y0, y1, code;
};

inline constexpr GridRule GridRules[] = {
#include "../../data/world_rules.inc"
};

inline constexpr int CapitalRuleCount = 78;
inline constexpr int CityRuleCount = 23;

// The list opens with one single-cell rule per capital, then per city, so
// that they win over the regions that surround them.
constexpr bool placesComeFirst()
{
    const auto single = [](const GridRule& r, std::uint8_t code) {
        return r.y0 == r.y1 && r.code == code;
    };
    for (int i = 0; i < CapitalRuleCount + CityRuleCount; ++i) {
        if (!single(GridRules[i], i < CapitalRuleCount ? CapitalTile : CityTile))
            return false;
    }
    return !std::ranges::any_of(
        GridRules + CapitalRuleCount + CityRuleCount, std::end(GridRules), [](const GridRule& r) {
            return r.code == CapitalTile || r.code == CityTile || r.code == WaterTile;
        });
}

static_assert(std::size(GridRules) > CapitalRuleCount + CityRuleCount);
static_assert(placesComeFirst());
static_assert(std::ranges::all_of(GridRules, [](const GridRule& r) { return r.y0 <= r.y1; }));

}  // namespace

// Painting the rules from last to first leaves every cell with the code of
// the first rule that holds it, in one pass over the rules.
void WorldGrid::build()
{
    cells_.fill(WaterTile);
    for (auto rule = std::rbegin(GridRules); rule != std::rend(GridRules); ++rule) {
        auto column = cells_.begin() + rule->x * GridSize;
        std::fill(column + rule->y0, column + rule->y1 + 1, rule->code);
    }
}

}  // namespace korvalin
