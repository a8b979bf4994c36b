#pragma once

#include <string>
#include <string_view>

namespace korvalin {

// The embassy of a country (its CountryTable name) in the language of play:
// "韓国大使館", "South Korean Embassy".
std::string embassyName(std::string_view country);

// A city's own name (cityName) in the language of play. A city named as its
// country (Kuwait) is told apart in the catalogue by the context "city".
std::string_view shownCityName(std::string_view name);

}  // namespace korvalin
