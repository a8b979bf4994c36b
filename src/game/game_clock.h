#pragma once

#include <algorithm>
#include <cstdint>

#include "game/game_state.h"

namespace korvalin {

// The calendar ends with day 999,999: no journey comes near it, and a saved
// game holds every clock up to its first minute, so that a save and a load
// never move the calendar.
inline constexpr std::int32_t LatestDay = 999999;
inline constexpr std::int32_t LatestMinute = LatestDay * MinutesPerDay;

inline constexpr std::int32_t WeekMinutes = 7 * MinutesPerDay;

// The record every journey is measured against: the duo's 190 days from
// Hong Kong to London.
inline constexpr int RecordDays = 190;
inline constexpr std::int32_t RecordMinutes = RecordDays * MinutesPerDay;

// Every minute the journey, a visa, a job or a new passport takes goes
// through here. The clock stops at the calendar's end: past it a 32-bit
// clock would wrap and run the calendar backwards.
inline void passMinutes(GameState& s, std::int64_t minutes)
{
    s.day = static_cast<std::int32_t>(
        std::min(std::int64_t{s.day} + minutes, std::int64_t{LatestMinute}));
}

}  // namespace korvalin
