#pragma once

#include <optional>

namespace korvalin {

// The record the game measures a journey against: the duo's 190 days from
// Hong Kong to London.
inline constexpr int RecordDays = 190;

struct Cell {
    int x, y;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// Where the duo stood on day d of their journey; nothing before day 1 and
// after the record's last day.
std::optional<Cell> duoCell(int day);

}  // namespace korvalin
