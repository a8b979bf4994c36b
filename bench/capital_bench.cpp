// What the capital screen's model costs: its set-up on every show, and the
// half-second tick of the pulse and the footprints.
#include <benchmark/benchmark.h>

#include "headless/headless_driver.h"
#include "headless/headless_ui.h"
#include "session/game.h"

namespace korvalin {

namespace {

struct CapitalGame {
    HeadlessUi ui;
    SimulatedClock clock{12'345'678};
    Game game{ui, clock};

    CapitalGame()
    {
        // Beside Beijing, whose list of embassies is the longest.
        game.state.MapX = 203 - 15;
        game.state.MapY = 128 - 14;
        game.state.capitalf = true;
    }
};

void BM_CapitalScreenShow(benchmark::State& state)
{
    CapitalGame g;
    for (auto _ : state) {
        g.game.state.dd = 4;  // every show writes its arrival line
        g.game.CapitalDlg.FormShow();
        benchmark::DoNotOptimize(g.game.CapitalDlg.RadioButtons);
    }
}
BENCHMARK(BM_CapitalScreenShow);

void BM_CapitalTimerTick(benchmark::State& state)
{
    CapitalGame g;
    for (auto _ : state) {
        g.game.CapitalDlg.stepAnimations();
        benchmark::DoNotOptimize(g.game.CapitalDlg.Panel1Color);
    }
}
BENCHMARK(BM_CapitalTimerTick);

}  // namespace

}  // namespace korvalin
