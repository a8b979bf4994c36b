#pragma once

#include <chrono>
#include <cstdint>
#include <span>

#include "game/ports.h"

namespace korvalin {

class Game;

// A clock that moves only when told: the headless journey advances it by
// each timer interval, so reseeding sees time pass as in the game.
class SimulatedClock : public Clock {
public:
    static constexpr std::uint32_t MillisecondsPerDay = 86'400'000;

    explicit SimulatedClock(std::uint32_t millisecondsSinceMidnight = 0,
                            std::chrono::year_month_day date = std::chrono::year{1997} /
                                                               std::chrono::December / 20)
        : milliseconds_(millisecondsSinceMidnight), date_(date)
    {
    }

    std::uint32_t millisecondsSinceMidnightUtc() const override { return milliseconds_; }
    std::chrono::year_month_day today() const override { return date_; }

    // Wraps at midnight like the real clock.
    void advance(int milliseconds)
    {
        milliseconds_ =
            (milliseconds_ + static_cast<std::uint32_t>(milliseconds)) % MillisecondsPerDay;
    }

private:
    std::uint32_t milliseconds_;
    std::chrono::year_month_day date_;
};

// A key as the main window reports it, before the tick of the given number.
struct ScheduledKey {
    enum class Action { Press, Release };

    long beforeTick;
    Action action;
    int virtualKey;
};

// Runs the journey timer without a window: each tick calls the main
// window's handler, and the interval it leaves is added up as the wall time
// the game would have waited.
class HeadlessDriver {
public:
    explicit HeadlessDriver(Game& game) : game_(game) {}
    HeadlessDriver(Game& game, SimulatedClock& clock) : game_(game), clock_(&clock) {}

    // Runs `count` ticks; keys are delivered before the tick they name
    // (counted from the first tick this driver ran) and must be in order.
    void run(long count, std::span<const ScheduledKey> keys = {});

    long ticks() const { return ticks_; }
    std::int64_t elapsedMilliseconds() const { return elapsed_; }

private:
    Game& game_;
    SimulatedClock* clock_ = nullptr;
    long ticks_ = 0;
    std::int64_t elapsed_ = 0;
};

}  // namespace korvalin
