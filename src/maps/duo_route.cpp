#include "maps/duo_route.h"

#include <algorithm>
#include <array>

namespace korvalin {

namespace {

// Days firstDay to lastDay spent on one cell, from the duo's diary.
struct DuoStop {
    int firstDay, lastDay, x, y;
};

// clang-format off
constexpr std::array<DuoStop, 53> DuoRoute{{
    {1, 5, 208, 170}, {6, 9, 207, 169}, {10, 13, 206, 169}, {14, 15, 196, 171},
    {16, 20, 190, 175}, {21, 24, 190, 178}, {25, 27, 192, 186}, {28, 29, 190, 187},
    {30, 34, 184, 193}, {35, 40, 179, 198}, {41, 45, 168, 190}, {46, 52, 161, 171},
    {53, 53, 152, 171}, {54, 61, 147, 177}, {62, 64, 143, 168}, {65, 69, 143, 166},
    {70, 78, 141, 169}, {79, 80, 138, 169}, {81, 81, 130, 165}, {82, 89, 127, 160},
    {90, 90, 122, 157}, {91, 92, 120, 157}, {93, 93, 117, 157}, {94, 97, 115, 158},
    {98, 98, 112, 157}, {99, 100, 110, 154}, {101, 101, 101, 157}, {102, 102, 97, 155},
    {103, 104, 92, 151}, {105, 105, 87, 147}, {106, 115, 81, 131}, {116, 118, 57, 103},
    {119, 120, 51, 108}, {121, 122, 47, 102}, {123, 123, 49, 98}, {124, 127, 54, 94},
    {128, 130, 50, 84}, {131, 131, 55, 90}, {132, 134, 55, 86}, {135, 140, 56, 84},
    {141, 141, 58, 81}, {142, 142, 58, 76}, {143, 150, 55, 70}, {151, 154, 54, 66},
    {155, 155, 53, 59}, {156, 161, 56, 52}, {162, 162, 50, 52}, {163, 165, 56, 52},
    {166, 167, 49, 49}, {168, 183, 48, 46}, {184, 188, 52, 42}, {189, 189, 54, 39},
    {190, 190, 54, 37},
}};
// clang-format on

// Every day of the record has exactly one stop.
constexpr bool coversEveryDayOnce()
{
    int next = 1;
    for (const DuoStop& stop : DuoRoute) {
        if (stop.firstDay != next || stop.lastDay < stop.firstDay)
            return false;
        next = stop.lastDay + 1;
    }
    return next == RecordDays + 1;
}
static_assert(coversEveryDayOnce());

}  // namespace

std::optional<Cell> duoCell(int day)
{
    const auto stop = std::ranges::find_if(
        DuoRoute, [day](const DuoStop& s) { return s.firstDay <= day && day <= s.lastDay; });
    if (stop == DuoRoute.end())
        return std::nullopt;
    return Cell{stop->x, stop->y};
}

}  // namespace korvalin
