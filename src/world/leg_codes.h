#pragma once

#include <cstdint>

namespace korvalin {

// The leg of the journey a destination button sets: the present country's
// codes, the destination's, and one extra passable code (16 none, 2 water on
// a sea leg).
struct LegCodes {
    std::uint8_t PP, PPA, PPB, PN, PNA, PNB, PS;
    friend bool operator==(const LegCodes&, const LegCodes&) = default;
};

}  // namespace korvalin
