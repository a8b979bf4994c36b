#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "world/city_table.h"
#include "world/direction.h"

namespace korvalin {

constexpr std::uint8_t stepBit(Direction d)
{
    return static_cast<std::uint8_t>(1u << static_cast<unsigned>(d));
}

inline constexpr std::uint8_t StepN = stepBit(Direction::North);
inline constexpr std::uint8_t StepS = stepBit(Direction::South);
inline constexpr std::uint8_t StepW = stepBit(Direction::West);
inline constexpr std::uint8_t StepE = stepBit(Direction::East);
inline constexpr std::uint8_t StepAll = StepN | StepS | StepW | StepE;

// A cell whose arrival the journey notices, and the steps that arrive there:
// StepN is a step northward, from the cell south of it, and so on.
struct Spot {
    std::string_view name;
    int x, y;
    std::uint8_t dirs;
};

// The places of the city table, as the journey notices them.
extern const std::array<Spot, CapitalRowCount> CapitalSpots;
extern const std::array<Spot, CityRowCount> CitySpots;
extern const Spot LondonCell;

// The spot that the step from the hiker's cell in `direction` enters, when
// that is one of the spot's directions; nullptr otherwise.
const Spot* spotEntered(std::span<const Spot> spots, int hikerX, int hikerY, Direction direction);

}  // namespace korvalin
