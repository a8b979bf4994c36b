#include <benchmark/benchmark.h>

#include "world/world_grid.h"

namespace korvalin {

namespace {

// The grid is built once while the main window is created.
void BM_WorldGridBuild(benchmark::State& state)
{
    WorldGrid grid;
    for (auto _ : state) {
        grid.build();
        benchmark::DoNotOptimize(grid.cells().data());
    }
}
BENCHMARK(BM_WorldGridBuild);

}  // namespace

}  // namespace korvalin
