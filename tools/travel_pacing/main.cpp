// Runs the main window's own timer loop on an endless strip of Japan and
// prints the real milliseconds each cell takes, riding and on foot, against
// the pace the game is meant to keep (7 mode intervals and one boundary).
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

#include "app/system_clock.h"
#include "headless/headless_ui.h"
#include "journey/travel_window.h"
#include "session/game.h"

namespace korvalin {

namespace {

struct Leg {
    const char* mode;
    int cells;
    double expectedMilliseconds;
    bool ride;
};

constexpr Leg Legs[] = {
    {.mode = "ride", .cells = 25, .expectedMilliseconds = 400, .ride = true},
    {.mode = "foot", .cells = 6, .expectedMilliseconds = 3550, .ride = false},
};

class PacingRun {
public:
    PacingRun(Game& game, TTravel& window) : game_(game), window_(window) {}

    void start()
    {
        auto* timer = window_.findChild<QTimer*>(QStringLiteral("Timer1"));
        // Runs after the window's own tick.
        QObject::connect(timer, &QTimer::timeout, [this] { afterTick(); });
        beginLeg();
    }

private:
    void beginLeg()
    {
        GameState& s = game_.state;
        s.noRide = Legs[leg_].ride ? 0 : 1;
        s.rideTicks = 0;
        s.WantDir = s.MoveDir = Direction::East;
        times_.clear();
        lastMapX_ = s.MapX;
        clock_.start();
    }

    void afterTick()
    {
        GameState& s = game_.state;
        s.rideTicks = 0;  // the ride never ends on its own here
        if (s.MapX == lastMapX_)
            return;
        lastMapX_ = s.MapX;
        times_.push_back(clock_.nsecsElapsed() / 1e6);
        // The first cell starts wherever the loop stood; it is not counted.
        if (static_cast<int>(times_.size()) <= Legs[leg_].cells)
            return;
        report();
        if (++leg_ == std::size(Legs))
            QApplication::quit();
        else
            beginLeg();
    }

    void report() const
    {
        std::vector<double> cells;
        for (std::size_t i = 1; i < times_.size(); ++i)
            cells.push_back(times_[i] - times_[i - 1]);
        const double mean = std::accumulate(cells.begin(), cells.end(), 0.0) / cells.size();
        const auto [low, high] = std::ranges::minmax(cells);
        const double expected = Legs[leg_].expectedMilliseconds;
        std::printf(
            "%s: %zu cells, %.2f ms per cell (min %.2f, max %.2f), expected %.0f, off by %+.2f %%\n",
            Legs[leg_].mode, cells.size(), mean, low, high, expected,
            100.0 * (mean - expected) / expected);
    }

    Game& game_;
    TTravel& window_;
    std::size_t leg_ = 0;
    std::vector<double> times_;
    std::uint8_t lastMapX_ = 0;
    QElapsedTimer clock_;
};

}  // namespace

}  // namespace korvalin

int main(int argc, char** argv)
{
    using namespace korvalin;
    QApplication app(argc, argv);
    HeadlessUi ui;
    SystemClock clock;
    Game game{ui, clock};
    game.tileSheet = TileSheet(Bitmap(TileSheet::SheetSize, TileSheet::SheetSize));
    TTravel window(game, game.Travel);
    std::array<std::uint8_t, GridSize * GridSize> cells;
    cells.fill(14);
    game.world = WorldGrid::fromCells(cells);
    game.state.yen = 1'000'000'000;
    window.show();
    PacingRun run(game, window);
    run.start();
    return app.exec();
}
