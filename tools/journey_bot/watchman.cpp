#include "watchman.h"

#include "journey/travel_modes.h"
#include "session/game.h"
#include "world/tile_codes.h"

namespace korvalin {

namespace {

constexpr int KeyPressCost = 100;

// The most a tick can charge: a ship's rate.
constexpr int MaxTickCost = 10 * YenPerCostUnit;

}  // namespace

void Watchman::look(const Game& game)
{
    day_ = game.state.day;
    yen_ = game.state.yen;
    yokin_ = game.state.yokin;
}

void Watchman::legBegins(const Game& game)
{
    const GameState& s = game.state;
    legCells_ = {CapitalTile, CityTile, s.leg.PS,  s.leg.PP,
                 s.leg.PPA,   s.leg.PN, s.leg.PNA, game.hikerCell()};
    look(game);
}

std::optional<std::string> Watchman::common(const Game& game) const
{
    const GameState& s = game.state;
    if (s.day < day_)
        return "the clock ran backwards from " + std::to_string(day_) + " to " +
               std::to_string(s.day);
    if (s.dd < 0 || s.dd + 1 >= Diary::LineCount)
        return "the diary line " + std::to_string(s.dd) + " is outside the diary";
    if (s.yokin < 0)
        return "the bank holds " + std::to_string(s.yokin);
    return std::nullopt;
}

std::optional<std::string> Watchman::afterTick(const Game& game, int keyPresses)
{
    if (auto broken = common(game))
        return broken;
    const GameState& s = game.state;
    const std::int64_t beforeTick = std::int64_t{yen_} - std::int64_t{KeyPressCost} * keyPresses;
    const std::int64_t charged = beforeTick - s.yen;
    const bool emptied = s.yen == 0 && beforeTick <= MaxTickCost;
    if (!emptied && (charged < 0 || charged > MaxTickCost || charged % YenPerCostUnit != 0))
        return "a tick changed cash from " + std::to_string(beforeTick) + " to " +
               std::to_string(s.yen);
    if (s.yokin != yokin_)
        return "a tick changed the bank";
    if (!legCells_.contains(game.hikerCell()))
        return "the hiker stands on code " + std::to_string(game.hikerCell()) + " at (" +
               std::to_string(s.hikerX()) + ", " + std::to_string(s.hikerY()) +
               "), outside his leg";
    return std::nullopt;
}

std::optional<std::string> Watchman::afterAction(const Game& game, std::int64_t cash,
                                                 std::int64_t savings, const char* action)
{
    if (auto broken = common(game))
        return broken;
    const GameState& s = game.state;
    if (std::int64_t{s.yen} - yen_ != cash || std::int64_t{s.yokin} - yokin_ != savings)
        return std::string(action) + " moved cash by " +
               std::to_string(std::int64_t{s.yen} - yen_) + " and the bank by " +
               std::to_string(std::int64_t{s.yokin} - yokin_) + " instead of " +
               std::to_string(cash) + " and " + std::to_string(savings);
    return std::nullopt;
}

}  // namespace korvalin
