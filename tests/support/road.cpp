#include "support/road.h"

#include <array>
#include <deque>
#include <map>
#include <utility>

#include "session/game.h"

namespace korvalin::testing {

namespace {

constexpr std::array<std::pair<int, Cell>, 4> Steps = {{{Travel::VK_UP, {0, -1}},
                                                        {Travel::VK_DOWN, {0, 1}},
                                                        {Travel::VK_LEFT, {-1, 0}},
                                                        {Travel::VK_RIGHT, {1, 0}}}};

int keyFor(Cell from, Cell to)
{
    for (const auto& [key, d] : Steps) {
        if (from.x + d.x == to.x && from.y + d.y == to.y)
            return key;
    }
    return 0;
}

Cell hikerOf(const Game& game)
{
    return {game.state.hikerX(), game.state.hikerY()};
}

}  // namespace

std::vector<Cell> shortestWay(Cell from, const std::function<bool(Cell)>& canEnter,
                              const std::function<bool(Cell)>& arrived)
{
    std::map<Cell, Cell> cameFrom{{from, from}};
    std::deque<Cell> todo{from};
    while (!todo.empty()) {
        const Cell here = todo.front();
        todo.pop_front();
        if (arrived(here)) {
            std::vector<Cell> way{here};
            while (way.back() != from)
                way.push_back(cameFrom.at(way.back()));
            return {way.rbegin(), way.rend()};
        }
        for (const auto& [key, d] : Steps) {
            const Cell next{here.x + d.x, here.y + d.y};
            if (!cameFrom.contains(next) && canEnter(next)) {
                cameFrom.emplace(next, here);
                todo.push_back(next);
            }
        }
    }
    return {};
}

bool walkWay(Game& game, const std::vector<Cell>& way)
{
    if (way.size() < 2)
        return false;
    game.Travel.FormKeyUp(keyFor(way[0], way[1]));
    for (std::size_t i = 1; i < way.size(); ++i) {
        if (i + 1 < way.size())
            game.Travel.FormKeyUp(keyFor(way[i], way[i + 1]));
        for (int t = 0; t < 40 && hikerOf(game) != way[i]; ++t)
            game.Travel.advanceJourney();
        if (hikerOf(game) != way[i])
            return false;
    }
    for (int t = 0; t < 8; ++t)
        game.Travel.advanceJourney();
    return true;
}

}  // namespace korvalin::testing
