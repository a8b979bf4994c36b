#pragma once

#include <algorithm>
#include <cstdint>

namespace korvalin {

// kk divides the chance of losing the passport: every tick draws below
// kk x 200 and a draw of 0 loses it. kk is a byte, and a ninth doubling (or
// the belly-band's x4 on a large kk) would carry it past 255 to 0, after
// which RandInt(0) = 0 would lose the passport on every tick in open
// country. So it stops at 128: one loss in 25600 ticks is as careful as a
// hiker gets.
inline constexpr std::uint8_t MaxLossDivisor = 128;

constexpr std::uint8_t raisedLossDivisor(std::uint8_t kk, int factor)
{
    return static_cast<std::uint8_t>(std::min(int{kk} * factor, int{MaxLossDivisor}));
}

inline constexpr int LossDrawsPerDivisor = 200;

}  // namespace korvalin
