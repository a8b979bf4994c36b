#include "game/calendar.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "game/language.h"

namespace korvalin {

using namespace std::chrono;

std::string formatDate(year_month_day date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02u/%02u", static_cast<int>(date.year()) % 100,
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::optional<year_month_day> parseDate(std::string_view text)
{
    if (text.size() != 8 || text[2] != '/' || text[5] != '/')
        return std::nullopt;
    int parts[3];
    for (int i = 0; i < 3; ++i) {
        const char* first = text.data() + 3 * i;
        const auto [end, error] = std::from_chars(first, first + 2, parts[i]);
        if (error != std::errc() || end != first + 2)
            return std::nullopt;
    }
    const year_month_day date{year{2000 + parts[0]}, month{static_cast<unsigned>(parts[1])},
                              day{static_cast<unsigned>(parts[2])}};
    if (!date.ok())
        return std::nullopt;
    return date;
}

std::string shownDate(std::string_view date)
{
    static constexpr std::array<const char*, 12> MonthNames{
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const auto parsed = parseDate(date);
    if (!parsed || languageInUse() == Language::Japanese)
        return std::string(date);
    char text[24];
    std::snprintf(text, sizeof text, "%u %s '%02d", static_cast<unsigned>(parsed->day()),
                  MonthNames[static_cast<unsigned>(parsed->month()) - 1],
                  static_cast<int>(parsed->year()) % 100);
    return text;
}

std::string dateAfter(year_month_day start, int days)
{
    return formatDate(year_month_day{sys_days{start} + std::chrono::days{days}});
}

std::string dateAfter(std::string_view start, int days)
{
    const auto date = parseDate(start);
    return date ? dateAfter(*date, days) : std::string();
}

}  // namespace korvalin
