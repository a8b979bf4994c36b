// How fast the journey runs without a window, and what showing a frame costs.
#include <benchmark/benchmark.h>

#include <cstring>

#include "headless/headless_driver.h"
#include "headless/headless_ui.h"
#include "session/game.h"
#include "world/bitmap.h"
#include "world/view_bitmap.h"

namespace korvalin {

namespace {

constexpr long TicksPerBatch = 1000;

struct HeadlessGame {
    HeadlessUi ui;
    SimulatedClock clock{12'345'678};
    Game game{ui, clock};
    HeadlessDriver driver{game, clock};

    HeadlessGame()
    {
        game.state.mNow = "97/12/20";
        game.state.yen = 1'000'000'000;
    }

    // Keeps the clock and the purse far from their limits on long runs.
    void refresh()
    {
        GameState& s = game.state;
        if (s.day > 1'000'000'000) {
            s.day = MinutesPerDay;
            s.dayold = 1;
        }
        s.yen = 1'000'000'000;
    }
};

void runBatches(benchmark::State& state, HeadlessGame& headless)
{
    for (auto _ : state) {
        headless.driver.run(TicksPerBatch);
        headless.refresh();
    }
    state.SetItemsProcessed(state.iterations() * TicksPerBatch);
    state.counters["simulated_s_per_wall_s"] =
        benchmark::Counter(static_cast<double>(headless.driver.elapsedMilliseconds()) / 1000.0,
                           benchmark::Counter::kIsRate);
}

// Standing in Kanazawa on the real map: the checks run, nothing moves.
void BM_TicksStandingStill(benchmark::State& state)
{
    HeadlessGame headless;
    headless.game.world.build();
    runBatches(state, headless);
}
BENCHMARK(BM_TicksStandingStill);

// Round the world eastward through Japan without end, riding and walking,
// with a diary heading each day; with a tile sheet the view is also
// shifted and its new column drawn at each cell.
void ticksTravelling(benchmark::State& state, bool withView)
{
    HeadlessGame headless;
    std::array<std::uint8_t, GridSize * GridSize> cells;
    cells.fill(14);
    headless.game.world = WorldGrid::fromCells(cells);
    if (withView)
        headless.game.tileSheet = TileSheet(Bitmap(TileSheet::SheetSize, TileSheet::SheetSize));
    headless.game.Travel.FormKeyUp(Travel::VK_RIGHT);
    runBatches(state, headless);
}
BENCHMARK_CAPTURE(ticksTravelling, Headless, false);
BENCHMARK_CAPTURE(ticksTravelling, WithView, true);

// Presenting a frame: the 464 x 432 window of the view at the scroll offset.
void BM_PresentFrame(benchmark::State& state)
{
    Bitmap view(ViewBitmap::Width, ViewBitmap::Height);
    Bitmap screen(ViewBitmap::ShownWidth, ViewBitmap::ShownHeight);
    for (auto _ : state) {
        screen.copyRect(view, 14, 16, ViewBitmap::ShownWidth, ViewBitmap::ShownHeight, 0, 0);
        benchmark::DoNotOptimize(screen.data());
    }
    state.SetBytesProcessed(state.iterations() * ViewBitmap::ShownWidth * ViewBitmap::ShownHeight *
                            4);
}
BENCHMARK(BM_PresentFrame);

// The same number of bytes in one plain copy, as the floor.
void BM_PresentFrameMemcpy(benchmark::State& state)
{
    constexpr std::size_t bytes = ViewBitmap::ShownWidth * ViewBitmap::ShownHeight * 4;
    std::vector<char> from(bytes, 1);
    std::vector<char> to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_PresentFrameMemcpy);

// One cell boundary: the block copy and the new edge of tiles.
void BM_ShiftViewOneCell(benchmark::State& state)
{
    WorldGrid world;
    world.build();
    const TileSheet tiles(Bitmap(TileSheet::SheetSize, TileSheet::SheetSize));
    ViewBitmap view(world, tiles);
    std::uint8_t mapX = 225;
    std::uint8_t mapY = 105;
    for (auto _ : state) {
        view.shift(Direction::East, mapX, mapY);
        benchmark::DoNotOptimize(view.pixels().data());
    }
}
BENCHMARK(BM_ShiftViewOneCell);

}  // namespace

}  // namespace korvalin
