#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "world/tile_codes.h"

namespace korvalin {

// The country a region code belongs to, named by the country's main tile
// code: a mountain area belongs to its country, and the island east of China,
// which has no country row, counts as a land of its own. Water, capital and
// city codes belong to no country.
std::optional<std::uint8_t> countryOfCode(std::uint8_t code);

struct CountryPair {
    std::uint8_t first;  // the smaller main code
    std::uint8_t second;

    auto operator<=>(const CountryPair&) const = default;
};

// Countries that must not look alike on the map: those whose cells touch to
// the north, south, west or east, and those joined by a leg of the journey
// (a capital and one of its destinations). Sorted, each pair once.
std::vector<CountryPair> neighbouringCountries(
    std::span<const std::uint8_t, GridSize * GridSize> cells);

}  // namespace korvalin
