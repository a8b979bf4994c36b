#pragma once

#include <cstdint>
#include <map>

#include "sheet_image.h"

namespace korvalin {

// The whole tile sheet: deep water, the red capital and sky-blue city marks,
// a flat tile in its country's colour for each country and a raised relief
// tile in the same hue for each mountain area. Codes no cell uses stay dark
// grey, so a stray code shows at once on the map.
SheetImage paintTileSheet(const std::map<std::uint8_t, Rgb>& countryColours);

}  // namespace korvalin
