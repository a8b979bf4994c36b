#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvalin {

// What the flag's panel tells of a country, Label8 .. Label12, in the
// language of play.
struct CountryFacts {
    std::string_view country;  // the CountryTable name
    std::string area;
    std::string population;
    std::string ethnicGroups;
    std::string language;
    std::string currency;
};

// The facts of the country whose main tile code is `code` (the value PP
// holds while the hiker is there), or nullptr.
const CountryFacts* factsByMainCode(std::uint8_t code);

// "37万8000k㎡", "620k㎡": every square kilometre, grouped by 万; in English
// by thousands, "378,000 km²".
std::string areaText(std::int64_t squareKilometres);

// "1億2496万人", "293万人": to the nearest 万, grouped by 億 and 万; in
// English by thousands, "124,960,000".
std::string populationText(std::int64_t people);

}  // namespace korvalin
