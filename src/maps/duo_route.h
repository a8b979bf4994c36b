#pragma once

#include <optional>

#include "game/game_clock.h"

namespace korvalin {

struct Cell {
    int x, y;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// Where the duo stood on day d of their journey; nothing before day 1 and
// after the record's last day.
std::optional<Cell> duoCell(int day);

}  // namespace korvalin
