// Paints the map's tile sheet Map25.BMP. The country colours depend on the
// world grid, so the sheet is painted again whenever the grid changes.

#include <iostream>

#include "bmp_writer.h"
#include "country_colours.h"
#include "tile_art.h"
#include "world/country_adjacency.h"
#include "world/world_grid.h"

int main(int argc, char** argv)
{
    using namespace korvalin;
    if (argc != 2) {
        std::cerr << "使い方: tilegen <出力するBMPファイル>\n";
        return 2;
    }
    WorldGrid grid;
    grid.build();
    const auto colours = assignCountryColours(neighbouringCountries(grid.cells()));
    if (!colours) {
        std::cerr << "tilegen: 隣り合う国を塗り分けるには色が足りません。\n";
        return 1;
    }
    if (!writeBmp(argv[1], paintTileSheet(*colours))) {
        std::cerr << "tilegen: " << argv[1] << " に書き込めません。\n";
        return 1;
    }
    return 0;
}
