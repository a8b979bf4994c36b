#pragma once

#include <string>
#include <string_view>

namespace korvalin {

// The embassy of a country (its CountryTable name) in the language of play:
// "韓国大使館", "South Korean Embassy".
std::string embassyName(std::string_view country);

}  // namespace korvalin
