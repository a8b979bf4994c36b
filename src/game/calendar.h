#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace korvalin {

// Dates as the game keeps them: yy/mm/dd with leading zeros. Two-digit
// years are read in the current century.
std::string formatDate(std::chrono::year_month_day date);
std::optional<std::chrono::year_month_day> parseDate(std::string_view text);

// A kept date as the player reads it: yy/mm/dd in Japanese; in English the
// day, the month's name and the year's two digits ("8 Dec '97"), which no
// reader takes for another day. Text that is no date stays as it is.
std::string shownDate(std::string_view date);

// The date `days` days after `start`, as text; empty when `start` is not a
// date in the form yy/mm/dd.
std::string dateAfter(std::string_view start, int days);
std::string dateAfter(std::chrono::year_month_day start, int days);

}  // namespace korvalin
