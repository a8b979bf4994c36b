#pragma once

#include <array>
#include <cstdint>

#include "world/tile_codes.h"

namespace korvalin {

// The 256 x 256 cells of the map, one tile code each; cell (x, y) is byte
// x * 256 + y. Read-only once built.
class WorldGrid {
public:
    void build();

    // A grid with the given cells, for tools and tests that need a map of
    // their own.
    static WorldGrid fromCells(const std::array<std::uint8_t, GridSize * GridSize>& cells)
    {
        WorldGrid grid;
        grid.cells_ = cells;
        return grid;
    }

    // Coordinates past an edge wrap around.
    std::uint8_t cell(int x, int y) const
    {
        return cells_[static_cast<std::size_t>((x & 255) * GridSize + (y & 255))];
    }

    const std::array<std::uint8_t, GridSize * GridSize>& cells() const { return cells_; }

private:
    std::array<std::uint8_t, GridSize * GridSize> cells_{};
};

}  // namespace korvalin
