// The journey timer: the one place that moves the hiker.
#include "game/game_core.h"
#include "game/loss_divisor.h"
#include "journey/borders_and_arrivals.h"
#include "journey/movement_step.h"
#include "journey/status_captions.h"
#include "journey/travel.h"

namespace korvalin {

namespace {

constexpr int IdleInterval = 10;
constexpr int CellBoundaryInterval = 50;
constexpr int MarqueeWidth = 85;

// The title creeps one character to the right per tick and starts over
// when it has gone 85 places.
void advanceMarquee(std::string& caption)
{
    static const std::string farthest = std::string(MarqueeWidth, ' ') + std::string(Travel::Title);
    caption.insert(caption.begin(), ' ');
    if (caption == farthest)
        caption = Travel::Title;
}

void drawChances(GameCore& game)
{
    GameState& s = game.state;
    game.reseed();
    s.rideLimitDraw = static_cast<std::uint8_t>(game.random.randInt(8));
    s.lossDraw = static_cast<std::int32_t>(game.random.randInt(s.kk * LossDrawsPerDivisor));
}

// Eight ticks of two pixels make a cell: the view moves one cell, the
// hiker's trail gains the cell he entered, and the direction asked for
// meanwhile takes over.
void crossCellBoundary(GameCore& game, Travel& travel)
{
    GameState& s = game.state;
    if (s.ScrollX % 32 != 0 && s.ScrollY % 32 != 0)
        return;
    travel.Timer1Interval = CellBoundaryInterval;
    const std::uint8_t fromX = s.MapX, fromY = s.MapY;
    game.view.shift(s.MoveDir, s.MapX, s.MapY);
    if (s.MapX != fromX || s.MapY != fromY)
        game.trail.enter(s.dayNumber(), s.hikerX(), s.hikerY());
    s.MoveDir = s.WantDir;
    s.ScrollX = 16;
    s.ScrollY = 16;
}

// Before the hiker first leaves a city an empty purse ends nothing.
void checkMoneyOut(GameCore& game)
{
    GameState& s = game.state;
    if (s.yen > 0 || s.Start)
        return;
    if (s.quitf) {
        game.ui.requestMainWindowClose();
    } else {
        s.WantDir = Direction::None;
        game.ui.show(WindowId::EndDlg);
    }
}

// The status bar shows the purse and the day as they are, whatever changed
// them: a step, a key press, the bank, a job, the shop, a load, a restart.
void showPurseAndDay(const GameCore& game, Travel& travel)
{
    travel.Label4.Caption = moneyCaption(game.state.yen);
    travel.Label2.Caption = dayCaption(game.state.day);
}

}  // namespace

// The interval set last in a tick decides when the next one comes.
void Travel::advanceJourney()
{
    GameState& s = game_.state;
    Timer1Interval = IdleInterval;
    advanceMarquee(Caption);
    drawChances(game_);
    checkBorderCrossing(game_);
    if (s.MoveDir != Direction::None)
        movementStep(game_, *this, s.MoveDir);
    crossCellBoundary(game_, *this);
    checkMoneyOut(game_);
    checkPassportLoss(game_, *this);
    checkCapitalArrival(game_, *this);
    checkCityArrival(game_, *this);
    checkLondonArrival(game_);
    if (standsInLondon(game_) && s.quitf)
        game_.ui.requestMainWindowClose();
    updateCountryCaption(game_);
    showPurseAndDay(game_, *this);
}

}  // namespace korvalin
