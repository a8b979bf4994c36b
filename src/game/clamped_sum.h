#pragma once

#include <cstdint>
#include <limits>

namespace korvalin {

// Cash and the bank are 32-bit in the saved game. A sum past either end
// stays at that end: wrapping would turn a fortune into a debt.
inline void addClamped(std::int32_t& field, std::int64_t amount)
{
    constexpr std::int64_t Lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t Highest = std::numeric_limits<std::int32_t>::max();
    std::int64_t sum = std::int64_t{field} + amount;
    if (sum < Lowest)
        sum = Lowest;
    if (sum > Highest)
        sum = Highest;
    field = static_cast<std::int32_t>(sum);
}

}  // namespace korvalin
