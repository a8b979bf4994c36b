#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace korvalin {

// One named region of the map: a country, or a mountain area that belongs to
// the country whose entry comes just before it. The widths are the pixel
// widths of the name panel the place lookup shows.
struct Region {
    std::uint8_t code;
    std::string_view name;  // empty: the lookup shows nothing
    int nameWidth;
    std::string_view capital;  // empty: no capital, or a capital without a name
    int capitalWidth;
    int capitalX;  // -1 when the region has no capital cell
    int capitalY;
};

inline constexpr int RegionCount = 105;

extern const std::array<Region, RegionCount> Regions;

// Entry i of the table is the tile code of region i; the destination buttons
// copy entries by number into the leg codes.
std::uint8_t RegionCodes(int entry);

// The region entry whose tile code is `code`, or -1 when no region has it.
int regionEntryOfCode(std::uint8_t code);

inline constexpr int JapanEntry = 0;
inline constexpr int TaiwanEntry = 9;
inline constexpr int SingaporeEntry = 18;
// The mountains of France, on both sides of the Spanish border.
inline constexpr int FranceMountainsEntry = 93;
// The goal: the country of London.
inline constexpr int GoalEntry = 97;

}  // namespace korvalin
