#include "journey/movement_step.h"

#include <optional>

#include "game/clamped_sum.h"
#include "game/game_clock.h"
#include "game/game_core.h"
#include "journey/diary_entries.h"
#include "journey/diary_texts.h"
#include "journey/travel.h"
#include "journey/travel_modes.h"

namespace korvalin {

namespace {

constexpr int PixelsPerTick = 2;
// After this many refusals the hiker gives up and stands still.
constexpr int MaxBounces = 32;

void scroll(GameState& s, Direction d, int pixels)
{
    const Step step = stepOf(d);
    s.ScrollX = static_cast<std::uint8_t>(s.ScrollX + step.dx * pixels);
    s.ScrollY = static_cast<std::uint8_t>(s.ScrollY + step.dy * pixels);
}

std::uint8_t cellAhead(const GameCore& game, Direction d)
{
    const Step step = stepOf(d);
    return game.world.cell(game.state.hikerX() + step.dx, game.state.hikerY() + step.dy);
}

// Animals are ridden only in countries with a separate mountain region,
// and never into its mountains or the sea. Empty: nothing changes.
std::optional<TravelMode> chooseMode(GameState& s, std::uint8_t ahead)
{
    const bool rideable = ahead != WaterTile && ahead != s.leg.PPA && s.leg.PP != s.leg.PPA;
    if (rideable && s.HaveUma)
        return TravelMode::Horse;
    if (rideable && s.HaveRakuda)
        return TravelMode::Camel;
    const bool animal = s.HaveUma || s.HaveRakuda;
    if (ahead == WaterTile) {
        // The camel stays on the shore, and after landing the hiker walks
        // until he tries his luck again.
        s.HaveRakuda = false;
        s.noRide = 1;
        return TravelMode::Ship;
    }
    if (animal)
        return std::nullopt;
    if (s.noRide != 0)
        return s.HaveKutu ? TravelMode::ShoeWalking : TravelMode::Walking;
    return TravelMode::Ride;
}

void applySettings(GameCore& game, Travel& travel, const ModeSettings& mode, Direction d)
{
    GameState& s = game.state;
    s.travelSpeed = mode.speed;
    s.costRate = mode.costRate;
    travel.Label3.show(mode.mode, d);
    travel.Timer1Interval = mode.interval;
}

// A mode is announced when the marker last showed another colour.
void beginMode(GameCore& game, Travel& travel, TravelMode mode, Direction d)
{
    const ModeSettings& settings = settingsOf(mode);
    applySettings(game, travel, settings, d);
    if (travel.Shape1Color != settings.markerColor)
        announceMode(game, mode, d);
    travel.Shape1Color = settings.markerColor;
}

// A ride lasts from 5 to 26 cells: its limit is drawn anew every tick.
void countRideTick(GameState& s)
{
    ++s.rideTicks;
    if (s.rideTicks >= 24 * s.rideLimitDraw + 40) {
        s.noRide = 1;
        s.rideTicks = 0;
    }
}

void advanceClock(GameCore& game, Travel& travel, Direction d, DayBranch branch)
{
    GameState& s = game.state;
    passMinutes(s, s.travelSpeed.minutesPerTick());
    if (s.dayNumber() > s.dayold)
        dayChange(game, d, branch, travel.Label3.mode);
}

void chargeCost(GameCore& game)
{
    GameState& s = game.state;
    addClamped(s.yen, -std::int64_t{YenPerCostUnit} * s.costRate);
    if (s.yen <= 0)
        s.yen = 0;
}

void climb(GameCore& game, Travel& travel, Direction d)
{
    GameState& s = game.state;
    applySettings(game, travel, settingsOf(TravelMode::Climbing), d);
    // Every fourth climbing tick sighs about the climb.
    if (s.climbTicks == 0)
        announceMode(game, TravelMode::Climbing, d);
    travel.Shape1Color = settingsOf(TravelMode::Climbing).markerColor;
    s.climbTicks = static_cast<std::uint8_t>((s.climbTicks + 1) % 4);
    scroll(s, d, PixelsPerTick);
    advanceClock(game, travel, d, DayBranch::Climbing);
    chargeCost(game);
}

void moveOn(GameCore& game, Travel& travel, Direction d, std::uint8_t ahead)
{
    GameState& s = game.state;
    if (const std::optional<TravelMode> mode = chooseMode(s, ahead)) {
        beginMode(game, travel, *mode, d);
        if (*mode == TravelMode::Ride)
            countRideTick(s);
    }
    scroll(s, d, PixelsPerTick);
    advanceClock(game, travel, d, DayBranch::Normal);
    chargeCost(game);
}

Barrier barrierAhead(const GameState& s, std::uint8_t ahead)
{
    if (ahead == WaterTile)
        return Barrier::Sea;
    if (ahead == s.leg.PPA || ahead == s.leg.PNA)
        return Barrier::Mountain;
    return Barrier::Border;
}

// The hiker is turned back for the rest of the cell; WantDir still asks for
// the blocked way, so he tries again from the next cell. The diary says why
// once a try: the bounces that follow would cost days in silence.
void refuse(GameCore& game, Travel& travel, Direction d, std::uint8_t ahead)
{
    GameState& s = game.state;
    if (s.bounceCount < MaxBounces) {
        scroll(s, d, -PixelsPerTick);
        s.MoveDir = opposite(d);
        ++s.bounceCount;
    }
    if (s.bounceCount >= MaxBounces) {
        s.MoveDir = Direction::None;
        s.WantDir = Direction::None;
        s.bounceCount = 0;
    }
    advanceClock(game, travel, d, DayBranch::Refused);
    chargeCost(game);
    if (!s.turnedBackTold) {
        s.turnedBackTold = true;
        game.appendDiaryNote(turnedBackLine(barrierAhead(s, ahead)));
    }
}

}  // namespace

// Mountains of the present or the next country are climbed on foot; shoes
// and animals are no use there.
bool climbs(const GameState& s, std::uint8_t ahead)
{
    const bool mountain = (s.leg.PP != s.leg.PPA && ahead == s.leg.PPA) ||
                          (s.leg.PN != s.leg.PNA && ahead == s.leg.PNA);
    return mountain && !s.HaveKutu && !s.HaveUma && !s.HaveRakuda;
}

// A leg may enter cities, its own two countries and its one extra code.
bool passable(const GameState& s, std::uint8_t ahead)
{
    return ahead == CapitalTile || ahead == CityTile || ahead == s.leg.PS || ahead == s.leg.PP ||
           ahead == s.leg.PN;
}

void movementStep(GameCore& game, Travel& travel, Direction d)
{
    const std::uint8_t ahead = cellAhead(game, d);
    if (climbs(game.state, ahead))
        climb(game, travel, d);
    else if (passable(game.state, ahead))
        moveOn(game, travel, d, ahead);
    else
        refuse(game, travel, d, ahead);
}

}  // namespace korvalin
