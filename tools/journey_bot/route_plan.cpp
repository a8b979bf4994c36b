#include "route_plan.h"

#include <algorithm>
#include <functional>
#include <map>
#include <queue>

#include "journey/leg_search.h"

namespace korvalin {

namespace {

constexpr std::string_view UnitedKingdom = "イギリス";
constexpr std::string_view Tokyo = "日本国首都東京";

GameState legState(const LegCodes& codes)
{
    GameState s;
    s.leg = codes;
    return s;
}

const CityRow* capitalRowOf(std::string_view country)
{
    const auto row = std::ranges::find_if(
        CityTable, [&](const CityRow& r) { return isCapitalRow(r) && r.country == country; });
    return row == CityTable.end() ? nullptr : &*row;
}

}  // namespace

const Spot* capitalSpotOf(std::string_view country)
{
    if (country == UnitedKingdom)
        return &LondonCell;
    const CityRow* row = capitalRowOf(country);
    if (row == nullptr)
        return nullptr;
    const auto spot = std::ranges::find_if(
        CapitalSpots, [&](const Spot& s) { return s.x == row->x && s.y == row->y; });
    return spot == CapitalSpots.end() ? nullptr : &*spot;
}

std::vector<PlannedLeg> planRoute(const WorldGrid& grid)
{
    // Dijkstra over the capitals, London being the one node without a row.
    std::map<const CityRow*, std::size_t> cost;
    std::map<const CityRow*, PlannedLeg> cameBy;
    std::size_t londonCost = SIZE_MAX;
    PlannedLeg londonLeg{};
    using Entry = std::pair<std::size_t, const CityRow*>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> todo;
    const CityRow* start = findCity(Tokyo);
    cost[start] = 0;
    todo.push({0, start});
    while (!todo.empty()) {
        const auto [here, row] = todo.top();
        todo.pop();
        if (here != cost[row])
            continue;
        const auto destinations = row->destinations();
        for (int k = 1; k <= std::ssize(destinations); ++k) {
            const std::string_view country = destinations[static_cast<std::size_t>(k - 1)];
            const Spot* goal = capitalSpotOf(country);
            const auto codes = legCodes(*row, k);
            if (goal == nullptr || !codes)
                continue;
            const auto path = searchLeg(grid, legState(*codes), row->x, row->y, std::span{goal, 1});
            if (!path)
                continue;
            const std::size_t total = here + static_cast<std::size_t>(path->cost);
            const PlannedLeg leg{row, k, country, goal};
            if (country == UnitedKingdom) {
                if (total < londonCost) {
                    londonCost = total;
                    londonLeg = leg;
                }
                continue;
            }
            const CityRow* next = capitalRowOf(country);
            if (const auto known = cost.find(next); known != cost.end() && known->second <= total)
                continue;
            cost[next] = total;
            cameBy[next] = leg;
            todo.push({total, next});
        }
    }
    if (londonCost == SIZE_MAX)
        return {};
    std::vector<PlannedLeg> route{londonLeg};
    for (const CityRow* row = londonLeg.from; row != start; row = cameBy.at(row).from)
        route.push_back(cameBy.at(row));
    std::ranges::reverse(route);
    return route;
}

}  // namespace korvalin
