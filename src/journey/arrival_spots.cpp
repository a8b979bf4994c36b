#include "journey/arrival_spots.h"

#include <algorithm>

#include "world/city_rows.h"

namespace korvalin {

namespace {

// The steps that arrive on a city's cell from the sides its row lists: from
// the side north of it the step goes south, and so on.
constexpr std::uint8_t stepsFrom(std::uint8_t sides)
{
    return ((sides & side::N) ? StepS : 0) | ((sides & side::S) ? StepN : 0) |
           ((sides & side::W) ? StepE : 0) | ((sides & side::E) ? StepW : 0);
}

template <std::size_t Count>
constexpr std::array<Spot, Count> spotsOf(std::size_t firstRow)
{
    std::array<Spot, Count> spots{};
    for (std::size_t i = 0; i < Count; ++i) {
        const CityRow& row = CityRows[firstRow + i];
        spots[i] = {.name = cityName(row), .x = row.x, .y = row.y, .dirs = stepsFrom(row.sides)};
    }
    return spots;
}

}  // namespace

// The capitals by their short names, then the other cities, in the order
// the capital screen tries them.
constexpr std::array<Spot, CapitalRowCount> CapitalSpots = spotsOf<CapitalRowCount>(0);
constexpr std::array<Spot, CityRowCount> CitySpots = spotsOf<CityRowCount>(CapitalRowCount);

constexpr Spot LondonCell{.name = "ロンドン", .x = 54, .y = 37, .dirs = StepAll};

const Spot* spotEntered(std::span<const Spot> spots, int hikerX, int hikerY, Direction direction)
{
    const Step step = stepOf(direction);
    if (step.dx == 0 && step.dy == 0)
        return nullptr;
    const auto it = std::ranges::find_if(spots, [&](const Spot& spot) {
        return (spot.dirs & stepBit(direction)) && spot.x == hikerX + step.dx &&
               spot.y == hikerY + step.dy;
    });
    return it == spots.end() ? nullptr : &*it;
}

}  // namespace korvalin
