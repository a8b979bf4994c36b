#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace korvalin {

// Dates as the diary writes them: yy/mm/dd with leading zeros. Two-digit
// years are read in the current century.
std::string formatDate(std::chrono::year_month_day date);
std::optional<std::chrono::year_month_day> parseDate(std::string_view text);

// The date `days` days after `start`, as text; empty when `start` is not a
// date in the form yy/mm/dd.
std::string dateAfter(std::string_view start, int days);
std::string dateAfter(std::chrono::year_month_day start, int days);

}  // namespace korvalin
