#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "journey/travel_modes.h"
#include "world/direction.h"

namespace korvalin {

class GameCore;

// Which step ended the day: a climb writes only the heading, a normal or a
// refused step also the quiet-day and calendar lines of its own text set.
enum class DayBranch { Climbing, Normal, Refused };

// The day headings: day number, date and, on the road, the country of the
// status bar.
inline constexpr std::string_view DayHeading = "%1日目　%2 （%3）";
inline constexpr std::string_view StayDayHeading = "%1日目　%2";

// "12日目　97/12/24 （中国）" in the language of play; `country` is the
// status bar's caption as the catalogue keys it.
std::string dayHeading(int dayNumber, std::string_view date, std::string_view country);

// A stay in a city (the embassy, a job) has moved the clock past dayold:
// heads the new day, dated from today's date on the computer's clock, not
// from mNow, and without the country. False, with nothing written, while
// the day number has not moved; the caller's closing line goes only with a
// heading.
bool headStayDay(GameCore& game);

// The day number has passed dayold: closes the old day and heads the new one.
// The diary tells how a quiet day was spent by the mode the status bar shows.
void dayChange(GameCore& game, Direction d, DayBranch branch, std::optional<TravelMode> shownMode);

// The line that tells a new mode has begun; walking has none.
void announceMode(GameCore& game, TravelMode mode, Direction d);

}  // namespace korvalin
