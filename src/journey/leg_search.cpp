#include "journey/leg_search.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <queue>

#include "journey/borders_and_arrivals.h"
#include "journey/movement_step.h"

namespace korvalin {

namespace {

constexpr int StepCost = 4;
constexpr int ClimbCost = 4 * StepCost;
constexpr int ShipCost = 10 * StepCost;
constexpr int TurnCost = 3 * StepCost;

constexpr std::array<Direction, 4> Directions{Direction::North, Direction::South, Direction::West,
                                              Direction::East};

// A cell, whether the destination country has become the present one, and
// the direction the hiker arrived in.
struct Place {
    int x, y;
    bool crossed;
    Direction arrivedBy;

    std::size_t key() const
    {
        return ((static_cast<std::size_t>(x) * GridSize + static_cast<std::size_t>(y)) * 2 +
                (crossed ? 1 : 0)) *
                   5 +
               static_cast<std::size_t>(arrivedBy);
    }
};

constexpr std::size_t PlaceCount = GridSize * GridSize * 2 * 5;

GameState crossedLeg(GameState s)
{
    s.leg.PP = s.leg.PN;
    s.leg.PPA = s.leg.PNA;
    s.leg.PPB = s.leg.PNB;
    return s;
}

bool isPlace(std::uint8_t code)
{
    return code == CapitalTile || code == CityTile;
}

}  // namespace

std::optional<LegPath> searchLeg(const WorldGrid& grid, const GameState& leg, int x, int y,
                                 std::span<const Spot> goals, LegSearchOptions options)
{
    const GameState crossed = crossedLeg(leg);
    struct Came {
        int cost = INT32_MAX;
        std::size_t from = 0;
        Place place{};
    };
    std::vector<Came> came(PlaceCount);
    using Entry = std::pair<int, std::size_t>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> todo;

    const Place start{x & 255, y & 255, false, Direction::None};
    came[start.key()] = {0, start.key(), start};
    todo.push({0, start.key()});
    while (!todo.empty()) {
        const auto [cost, hereKey] = todo.top();
        todo.pop();
        if (cost != came[hereKey].cost)
            continue;
        Place here = came[hereKey].place;
        // The crossing is noticed where the hiker stands, before his next step.
        if (!here.crossed && leg.leg.PN != leg.leg.PP &&
            reachesDestination(grid, leg, here.x, here.y))
            here.crossed = true;
        const GameState& codes = here.crossed ? crossed : leg;
        for (const Direction d : Directions) {
            if (const Spot* goal = spotEntered(goals, here.x, here.y, d)) {
                std::vector<Direction> steps{d};
                for (std::size_t k = hereKey; came[k].from != k; k = came[k].from)
                    steps.push_back(came[k].place.arrivedBy);
                std::ranges::reverse(steps);
                return LegPath{std::move(steps), cost, goal};
            }
            const Step step = stepOf(d);
            const Place next{(here.x + step.dx) & 255, (here.y + step.dy) & 255, here.crossed, d};
            const std::uint8_t ahead = grid.cell(next.x, next.y);
            const bool climb = climbs(codes, ahead);
            if (!climb && !passable(codes, ahead))
                continue;
            if (options.avoidOtherPlaces && isPlace(ahead))
                continue;
            const bool turn = here.arrivedBy != Direction::None && here.arrivedBy != d;
            const int stepCost = climb ? ClimbCost : ahead == WaterTile ? ShipCost : StepCost;
            const int nextCost = cost + stepCost + (turn ? TurnCost : 0);
            Came& seen = came[next.key()];
            if (nextCost >= seen.cost)
                continue;
            seen = {nextCost, hereKey, next};
            todo.push({nextCost, next.key()});
        }
    }
    return std::nullopt;
}

}  // namespace korvalin
