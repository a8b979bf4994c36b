#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>

#include "sheet_image.h"
#include "world/country_adjacency.h"

namespace korvalin {

// A soft atlas colour for every country of the map, keyed by the country's
// main code, such that no two neighbouring countries share one. Japan is
// always pink, as the help tells the player. Empty if the palette runs out.
std::optional<std::map<std::uint8_t, Rgb>> assignCountryColours(
    std::span<const CountryPair> neighbours);

}  // namespace korvalin
