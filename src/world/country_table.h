#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace korvalin {

// A country as the capital screen knows it: the region entries that make it
// up (main entry first, then its mountain areas) and its flag picture.
struct CountryRow {
    std::string_view name;  // as on the embassy button, e.g. "ボスニア・ヘルツェゴビナ"
    std::array<std::uint8_t, 3> entries;
    std::uint8_t entryCount;

    // The entries of the region table the country spans, its own first.
    std::span<const std::uint8_t> regionEntries() const { return {entries.data(), entryCount}; }
    std::string_view flag;  // "JP_F"; empty for the UK, whose flag the screen never changes to
};

inline constexpr int CountryCount = 78;

extern const std::array<CountryRow, CountryCount> CountryTable;

const CountryRow* findCountry(std::string_view name);

// The country whose main tile code is `code` (the value PP holds while the
// hiker is there), or nullptr.
const CountryRow* countryByMainCode(std::uint8_t code);

// The tile codes a leg copies into PP/PPA/PPB or PN/PNA/PNB: a country with
// fewer than three regions repeats its last one.
std::array<std::uint8_t, 3> codeTriple(const CountryRow& country);

}  // namespace korvalin
