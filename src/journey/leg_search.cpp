#include "journey/leg_search.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>

#include "journey/borders_and_arrivals.h"
#include "journey/movement_step.h"

namespace korvalin {

namespace {

constexpr std::array<Direction, 4> Directions{Direction::North, Direction::South, Direction::West,
                                              Direction::East};

// A cell, and whether the destination country has become the present one.
struct Place {
    int x, y;
    bool crossed;

    std::size_t key() const
    {
        return static_cast<std::size_t>((x * GridSize + y) * 2 + (crossed ? 1 : 0));
    }
};

GameState crossedLeg(GameState s)
{
    s.PP = s.PN;
    s.PPA = s.PNA;
    s.PPB = s.PNB;
    return s;
}

}  // namespace

std::optional<std::vector<Direction>> searchLeg(const WorldGrid& grid, const GameState& leg,
                                                int x, int y, const Spot& goal)
{
    const GameState crossed = crossedLeg(leg);
    constexpr std::uint32_t Unseen = UINT32_MAX;
    struct Came {
        std::uint32_t from = Unseen;
        Direction step = Direction::None;
    };
    std::vector<Came> came(GridSize * GridSize * 2);

    Place start{x & 255, y & 255, false};
    came[start.key()].from = static_cast<std::uint32_t>(start.key());
    std::deque<Place> todo{start};
    while (!todo.empty()) {
        Place here = todo.front();
        todo.pop_front();
        const std::size_t hereKey = here.key();
        // The crossing is noticed where the hiker stands, before his next step.
        if (!here.crossed && leg.PN != leg.PP && reachesDestination(grid, leg, here.x, here.y))
            here.crossed = true;
        const GameState& codes = here.crossed ? crossed : leg;
        for (const Direction d : Directions) {
            if (spotEntered(std::span{&goal, 1}, here.x, here.y, static_cast<std::uint8_t>(d))) {
                std::vector<Direction> steps{d};
                for (std::size_t k = hereKey; came[k].from != k; k = came[k].from)
                    steps.push_back(came[k].step);
                std::ranges::reverse(steps);
                return steps;
            }
            const Step step = stepOf(d);
            const Place next{(here.x + step.dx) & 255, (here.y + step.dy) & 255, here.crossed};
            const std::uint8_t ahead = grid.cell(next.x, next.y);
            if (came[next.key()].from != Unseen || !(climbs(codes, ahead) || passable(codes, ahead)))
                continue;
            came[next.key()] = {static_cast<std::uint32_t>(hereKey), d};
            todo.push_back(next);
        }
    }
    return std::nullopt;
}

}  // namespace korvalin
