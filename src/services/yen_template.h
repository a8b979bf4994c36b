#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "game/language.h"

namespace korvalin {

// A template with a sum of yen in the language of play: %1 the digits as
// Japanese writes them (5000), %2 grouped by thousands as English writes
// them (5,000).
inline std::string withYen(std::string_view japanese, std::int64_t yen)
{
    return fill(tr(japanese), yen, groupedNumber(yen));
}

}  // namespace korvalin
