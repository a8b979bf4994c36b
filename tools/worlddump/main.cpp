// Prints the world grid as the game builds it: 256 lines, line y holding the
// codes of cells (0, y) to (255, y) separated by single spaces.
#include <cstdio>

#include "world/world_grid.h"

int main()
{
    korvalin::WorldGrid grid;
    grid.build();
    for (int y = 0; y < korvalin::GridSize; ++y) {
        for (int x = 0; x < korvalin::GridSize; ++x)
            std::printf(x == 0 ? "%d" : " %d", grid.cell(x, y));
        std::printf("\n");
    }
    return 0;
}
