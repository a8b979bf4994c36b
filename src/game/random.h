#pragma once

#include <cstdint>

namespace korvalin {

// The game's one pseudo-random generator: a 32-bit linear congruential
// generator whose draws are the upper half of seed x n.
class Random {
public:
    void reseed(std::uint32_t millisecondsSinceMidnight) { seed_ = millisecondsSinceMidnight; }

    // A whole number in 0..n-1; 0 for n = 0.
    std::uint32_t randInt(std::uint32_t n)
    {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((std::uint64_t{seed_} * n) >> 32);
    }

    std::uint32_t seed() const { return seed_; }

private:
    std::uint32_t seed_ = 0;
};

}  // namespace korvalin
