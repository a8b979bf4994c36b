#include <bitset>

#include "game/language.h"

#include "game/game_core.h"
#include "journey/arrival_spots.h"
#include "journey/borders_and_arrivals.h"
#include "journey/diary_texts.h"
#include "journey/travel.h"

namespace korvalin {

namespace {

// A list of spots with their cells marked, so that a step that leads
// nowhere special (nearly every step) is passed over at once.
class SpotCells {
public:
    explicit SpotCells(std::span<const Spot> spots) : spots_(spots)
    {
        for (const Spot& spot : spots)
            cells_.set(static_cast<std::size_t>(spot.x * GridSize + spot.y));
    }

    // The spot the step under way leads into, or nullptr.
    const Spot* entered(const GameState& s) const
    {
        const Step step = stepOf(s.MoveDir);
        const int x = s.hikerX() + step.dx;
        const int y = s.hikerY() + step.dy;
        if (x < 0 || x >= GridSize || y < 0 || y >= GridSize ||
            !cells_.test(static_cast<std::size_t>(x * GridSize + y)))
            return nullptr;
        return spotEntered(spots_, s.hikerX(), s.hikerY(), s.MoveDir);
    }

private:
    std::span<const Spot> spots_;
    std::bitset<GridSize * GridSize> cells_;
};

// The step is finished at the fastest pace with the hiker stopping on the
// city's cell; the window is shown again on every tick until then.
void stopAndShow(GameCore& game, Travel& travel, WindowId window)
{
    travel.Timer1Interval = 1;
    game.state.WantDir = Direction::None;
    game.ui.show(window);
}

}  // namespace

void checkCapitalArrival(GameCore& game, Travel& travel)
{
    static const SpotCells capitals(CapitalSpots);
    if (capitals.entered(game.state) == nullptr)
        return;
    game.state.capitalf = true;
    stopAndShow(game, travel, WindowId::CapitalDlg);
}

// A city's services are for a hiker with a passport and money; anyone else
// is sent on to a capital.
void checkCityArrival(GameCore& game, Travel& travel)
{
    static const SpotCells cities(CitySpots);
    if (cities.entered(game.state) == nullptr)
        return;
    GameState& s = game.state;
    if (!s.lostf && s.yen > 0) {
        s.capitalf = false;
        stopAndShow(game, travel, WindowId::CapitalDlg);
    } else {
        stopAndShow(game, travel, WindowId::ChokkoDlg);
    }
}

void checkLondonArrival(GameCore& game)
{
    static const SpotCells london(std::span(&LondonCell, 1));
    GameState& s = game.state;
    if (s.quitf || !s.londonf || london.entered(s) == nullptr)
        return;
    s.WantDir = Direction::None;
    s.dd += 3;
    game.diary.put(s.dd - 2, LondonLine1.with(s.Namae));
    game.diary.put(s.dd - 1, tr(LondonLine2));
    game.diary.put(s.dd, tr(LondonLine3));
    game.diary.put(s.dd + 1, Diary::EndTrailer);
    s.londonf = false;
    game.ui.show(WindowId::LondonDlg);
}

bool standsInLondon(const GameCore& game)
{
    return game.state.hikerX() == LondonCell.x && game.state.hikerY() == LondonCell.y;
}

}  // namespace korvalin
