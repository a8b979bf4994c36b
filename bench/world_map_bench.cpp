#include <benchmark/benchmark.h>

#include "game/game_state.h"
#include "maps/world_map_picture.h"
#include "world/world_grid.h"

namespace korvalin {

namespace {

// The overview map builds its picture once each time it is shown.
void BM_WorldMapPicture(benchmark::State& state)
{
    WorldGrid grid;
    grid.build();
    GameState game;
    game.Nikki = true;
    for (auto _ : state) {
        const Bitmap picture = worldMapPicture(grid, game);
        benchmark::DoNotOptimize(picture.data());
    }
}
BENCHMARK(BM_WorldMapPicture);

}  // namespace

}  // namespace korvalin
