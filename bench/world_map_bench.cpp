#include <benchmark/benchmark.h>

#include "game/game_state.h"
#include "game/trail.h"
#include "maps/world_map_picture.h"
#include "world/world_grid.h"

namespace korvalin {

namespace {

// The overview map builds its picture once each time it is shown; the
// argument is the length of the hiker's trail, from none to a journey far
// longer than any the game has seen.
void BM_WorldMapPicture(benchmark::State& state)
{
    WorldGrid grid;
    grid.build();
    GameState game;
    game.Nikki = true;
    // A zigzag across land and sea from Kanazawa westwards.
    Trail trail;
    for (int i = 0; i < state.range(0); ++i)
        trail.enter(1 + i / 10, game.hikerX() - i / 2 % 200, game.hikerY() - (i + 1) / 2 % 2);
    for (auto _ : state) {
        const Bitmap picture = worldMapPicture(grid, game, trail.cells());
        benchmark::DoNotOptimize(picture.data());
    }
}
BENCHMARK(BM_WorldMapPicture)->Arg(0)->Arg(5000);

}  // namespace

}  // namespace korvalin
