#pragma once

#include <compare>
#include <functional>
#include <vector>

namespace korvalin {
class Game;
}

namespace korvalin::testing {

struct Cell {
    int x, y;
    auto operator<=>(const Cell&) const = default;
};

// The shortest way from `from` through cells `canEnter` accepts to a cell
// `arrived` accepts, both ends included; empty when there is none.
std::vector<Cell> shortestWay(Cell from, const std::function<bool(Cell)>& canEnter,
                              const std::function<bool(Cell)>& arrived);

// Walks the way with the arrow keys, each turn asked for while the step
// before it is under way, as a player does, and lets the last step end;
// false, the hiker standing where he stopped, when he left the way.
bool walkWay(Game& game, const std::vector<Cell>& way);

}  // namespace korvalin::testing
