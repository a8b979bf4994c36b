#include "app/system_clock.h"

#include <ctime>

namespace korvalin {

std::uint32_t SystemClock::millisecondsSinceMidnightUtc() const
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto sinceMidnight = now - floor<days>(now);
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(sinceMidnight).count());
}

std::chrono::year_month_day SystemClock::today() const
{
    // The calendar date on the player's own clock, as the diary dates it.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::chrono::year_month_day{std::chrono::year{local.tm_year + 1900},
                                       std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                       std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

}  // namespace korvalin
